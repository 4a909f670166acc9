// `panelhost eval`: install one gauge and run steps against it in the order
// given, reporting element values, handler results, key events and window
// toggles, so a script can check a gauge without linking to it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "gauge_records.h"
#include "panel_host.h"

namespace panelhost {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SetStep {
  std::uint32_t id;
  HostValue value;
};
struct UpdateStep {};
struct ClickStep {
  PIXPOINT point;
  FLAGS32 flags;
};
using EvalStep = std::variant<SetStep, UpdateStep, ClickStep>;

// Splits a variable assignment "ID=VALUE" given to `option`, checking the id;
// throws UsageError naming the option and the text.
struct VariableAssignment {
  std::uint32_t id;
  std::string value_text;
};
VariableAssignment parse_assignment(const std::string& option, const std::string& text);

// Parses "--set ID=VALUE", "--set-int ID=VALUE", "--update" and
// "--click X,Y[,FLAGS]" in order; throws UsageError naming the bad argument.
std::vector<EvalStep> parse_eval_steps(const std::vector<std::string>& arguments);

// Runs the steps; the report is one JSON document.
nlohmann::json run_eval(PanelHost& host, GaugeInstance& gauge, const std::vector<EvalStep>& steps);
std::string eval_text(const nlohmann::json& report);

// The values of every element after an update.
nlohmann::json element_values_json(const GaugeInstance& gauge);
nlohmann::json mouse_outcome_json(const MouseOutcome& outcome);

}  // namespace panelhost
