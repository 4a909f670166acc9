#!/bin/bash
# panelhost render and play on the command line: the files they write, and
# bad input answered with a message naming the place and a non-zero exit,
# with nothing left behind under a finished file's name.
# Usage: commands_test.sh BIN_DIR
set -u
panelhost=$1/panelhost
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAILED: $1"; }

# expect_error NAME EXIT PATTERN COMMAND...: that exit status, stderr matches.
expect_error() {
  local name=$1 status=$2 pattern=$3
  shift 3
  local err
  err=$("$@" 2>&1 >/dev/null)
  local got=$?
  if [[ $got -eq $status && $err =~ $pattern ]]; then pass; else fail "$name (exit $got): $err"; fi
}

is_png() { [[ $(head -c 8 "$1" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]]; }
is_gif() { [[ $(head -c 6 "$1") == GIF89a ]]; }

# render: the built-in panel, a gauge alone with hotspots, a layout file.
if "$panelhost" render --set 304=132 --set 307=2 >/dev/null && is_png out/panel.png; then pass; else fail "render"; fi
if "$panelhost" render --gauge "Velmar_Tavrin!Fuel Tank Switch" --hotspots --zoom 2 -o g.png >/dev/null && is_png g.png &&
   [[ $(od -An -tu1 -j16 -N8 g.png | tr -s ' ') == " 0 0 1 0 0 0 1 0" ]]; then pass; else fail "render --gauge --zoom 2: 256x256"; fi
"$panelhost" render --print-layout >layout.cfg
if grep -q '^gauge00=Velmar_Tavrin!Fuel, ' layout.cfg && "$panelhost" render --layout layout.cfg -o l.png >/dev/null &&
   cmp -s l.png out/panel.png; then fail "a layout at other values drew the same picture"; else pass; fi
if "$panelhost" render --layout layout.cfg --set 304=132 --set 307=2 -o l.png >/dev/null && cmp -s l.png out/panel.png; then
  pass
else
  fail "the printed default layout draws the default panel"
fi

printf '[Window00]\nsize_mm=300,300\ngauge00=Velmar_Tavrin!Fuel Gauge, 0, 0\n' >bad.cfg
expect_error "unknown gauge" 1 '^panelhost: bad.cfg:3: .*no gauge named "Fuel Gauge"' "$panelhost" render --layout bad.cfg -o bad.png
expect_error "unknown variable" 2 'unknown host variable 999' "$panelhost" render --set 999=1 -o bad.png
expect_error "integer-coded variable" 2 'host variable 307 is integer-coded' "$panelhost" render --set 307=1.5 -o bad.png
if [[ ! -e bad.png ]]; then pass; else fail "a failed render left bad.png"; fi

# play: a short scenario's stills, animation and log.
cat >hop.json <<'JSON'
{"name": "hop", "rate": 10, "duration": 1, "frames": [0.5],
 "events": [{"at": 0.2, "click": "Velmar_Tavrin!Fuel Tank Switch", "x": 20, "y": 60}]}
JSON
if "$panelhost" play hop.json -o run >/dev/null 2>&1 && is_png run/hop_00005.png && is_gif run/hop.gif &&
   grep -q 'fuel tank selection: left tank (307 = 2)' run/hop.log; then pass; else fail "play hop.json"; fi
if "$panelhost" play --print-default | python3 -c 'import json, sys; assert json.load(sys.stdin)["name"] == "sortie"'; then
  pass
else
  fail "play --print-default"
fi

printf '{"events": [{"at": 1, "set": 304, "value": 1}, {"at": 0, "set": 304, "value": 2}]}' >order.json
expect_error "events out of order" 1 '^panelhost: order.json: \$.events\[1\]: starts at 0 s, before the event before it' \
  "$panelhost" play order.json -o broken
printf '{"events": [{"at": 0, "click": "quadrant!Engine Controls", "x": 10, "y": 400}]}' >off.json
expect_error "point off the gauge" 1 'off.json: \$.events\[0\]: point \(10, 400\) is off the gauge' \
  "$panelhost" play off.json -o broken
printf '{"events": [' >syntax.json
expect_error "JSON syntax" 1 'syntax.json: not valid JSON: parse error at line 1' "$panelhost" play syntax.json -o broken
if [[ ! -e broken ]]; then pass; else fail "a failed play left files: $(ls -R broken)"; fi

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
