// The stand-in simulator: a small model of the aircraft that answers the key
// events the gauges send by changing host variables, so that a click goes
// all the way round: handler, key event, host variable, next update, picture.
//
// This is panelhost's own model, written for this aircraft's cockpit; the
// real simulator's behaviour is its own and is not reproduced here.
//
// What it answers:
//
//  - Fuel tank selection: 0x101A3 off, 0x101A4 both, 0x101A5 left, 0x101A6
//    right set host variable 307 (integer-coded) to 0, 1, 2, 3.
//  - Master battery: 0x102C1 toggles host variable 364 between 1.0 (on) and
//    0.0 (off); anything but 1.0 other than a NaN counts as off, as the
//    switch itself reads it.
//  - Ignition, engine 0 (engine 1 in brackets): 0x10187 (0x1018D) turns both
//    switches off, 0x1018A (0x10190) both on, 0x10189 (0x1018F) flips the
//    first switch, 0x10188 (0x1018E) the second. Switches are host variables
//    399/400 (438/439), on at exactly 1.0. That is what the ignition panel's
//    transition tables imply: the "first" and "second" events are sent for
//    both directions of the one-switch changes that do not end in all-off
//    or all-on.
//  - Starters 0x1018B (0x10191): logged; with a switch of that engine on and
//    the engine below idle, the engine catches and its rpm (390 or 429) is
//    set to idle, 600.
//  - Autopilot: 0x1002C, 0x100BF, 0x100BD, 0x100BE toggle host variables
//    103, 104, 106, 108 between 1.0 and 0.0.
//  - Engine levers: 0x10183, 0x10184, 0x1011C, 0x1011D, 0x1017F, 0x10180 set
//    129, 164, 128, 163, 130, 165 to the value sent.
//  - Bombing: 0x10035 opens or closes the bomb bay; host variable 326 moves
//    toward 16383.0 (open) or 0.0 (closed) at full travel in two seconds, so
//    the panel's red lamp lights first and the green one later. 0x1026F
//    drops a bomb while any of the four are left.
//  - Ejection: 0x1029B fires the seat. The seat's sequence shuts the aircraft
//    down (battery 364 and all four ignition switches to 0.0), and from then
//    on nobody is in the cockpit: later key events are logged as ignored.
//
// Every key event, answered or not, leaves a note of what was done.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "panel_host.h"

namespace panelhost::sim {

inline constexpr int kBombLoad = 4;
inline constexpr double kBombBayOpen = 16383.0;
inline constexpr double kBombBaySeconds = 2.0;  // full travel
inline constexpr double kIdleRpm = 600.0;

struct Note {
  KeyEvent event;
  std::string text;
};

class SimModel {
 public:
  // Listens to every key event that `host` receives. The model may be
  // destroyed before the host; it then stops answering.
  explicit SimModel(PanelHost& host);
  SimModel(const SimModel&) = delete;
  SimModel& operator=(const SimModel&) = delete;

  // Moves what moves by itself (the bomb bay doors) by `seconds`.
  void advance(double seconds);

  const std::vector<Note>& notes() const { return state_->notes; }
  int bombs_left() const { return state_->bombs; }
  bool ejected() const { return state_->ejected; }

 private:
  struct State {
    HostVariables* variables = nullptr;
    std::vector<Note> notes;
    int bombs = kBombLoad;
    bool ejected = false;
    bool bay_moving = false;
    double bay_target = 0.0;
    void answer(const KeyEvent& event);
  };
  std::shared_ptr<State> state_;
};

}  // namespace panelhost::sim
