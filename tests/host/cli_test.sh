#!/bin/bash
# panelhost on the command line: what scripts rely on (exports, reports that
# read back exactly) and the errors a user meets with bad input.
# Usage: cli_test.sh BIN_DIR
set -u
bin=$1
panelhost=$bin/panelhost
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAILED: $1"; }

# expect_error NAME PATTERN COMMAND...: non-zero exit, stderr matches.
expect_error() {
  local name=$1 pattern=$2
  shift 2
  local err
  err=$("$@" 2>&1 >/dev/null)
  local status=$?
  if [[ $status -ne 0 && $err =~ $pattern ]]; then pass; else fail "$name (exit $status): $err"; fi
}

# Each module exports exactly its two data records.
for module in Velmar_Tavrin quadrant; do
  exports=$(nm -D --defined-only "$bin/$module.gau" | awk '{print $2 " " $3}' | sort | tr '\n' ' ')
  if [[ $exports == "D ImportTable D Linkage " ]]; then pass; else fail "$module exports: $exports"; fi
done

# inspect shows the gauge, its tables and its pictures.
out=$("$panelhost" inspect "$bin/Velmar_Tavrin.gau")
for needle in '\[0\] "Fuel"' 'point \(92, 24\)  value 264' 'failure table #1: \(key 20, action 2\) \(key 10, action 1\)' \
              'failure table: none' 'help 0xab26' 'needle 0x1100 \(4352\): 44x8, 8-bit'; do
  if [[ $out =~ $needle ]]; then pass; else fail "inspect text lacks $needle"; fi
done
if "$panelhost" inspect --json "$bin/quadrant.gau" | python3 -c '
import json, sys
report = json.load(sys.stdin)
rows = report["gauges"][0]["mouse_rows"]
assert len(rows) == 21 and rows[2]["depth"] == 2 and rows[2]["mouse_flags"] == 0x20800000, rows[2]
'; then pass; else fail "inspect --json quadrant"; fi

# eval: values read back bit for bit, in step order.
if "$panelhost" eval "$bin/Velmar_Tavrin.gau" Fuel --set 304=0.1 --update --set 304=nan --set 303=inf --update --json |
   python3 -c '
import json, sys, struct
steps = json.load(sys.stdin)["steps"]
assert steps[1]["elements"][1]["values"]["value"] == 0.1
assert struct.pack("<d", steps[1]["elements"][1]["values"]["value"]) == struct.pack("<d", 0.1)
assert steps[4]["elements"][1]["values"]["value"] == 0 and steps[4]["elements"][2]["values"]["value"] == 264
'; then pass; else fail "eval --json Fuel"; fi
out=$("$panelhost" eval "$bin/Velmar_Tavrin.gau" "Fuel Tank Switch" --click 20,60 --click 64,64 --set-int 307=3 --update)
if [[ $out =~ "key events: 0x101a5=0" && $out =~ "no mouse rectangle takes it" && $out =~ "icon 0x1500: value=2" ]]; then pass
else fail "eval text Fuel Tank Switch: $out"; fi

# Bad input: clear errors naming the file and the problem, never a crash.
expect_error "missing file" "nowhere.gau: no such file" "$panelhost" inspect "$bin/nowhere.gau"
expect_error "not a module" "not a gauge module" "$panelhost" inspect "$bin/broken_no_exports.gau"
expect_error "not a library" "cannot load|not an ELF" "$panelhost" inspect "$0"
expect_error "unknown gauge" 'no gauge named "Fuel Gauge"' "$panelhost" eval "$bin/Velmar_Tavrin.gau" "Fuel Gauge" --update
expect_error "null gauge table" "broken_null_gauge_table.gau: the gauge table is empty" "$panelhost" inspect "$bin/broken_null_gauge_table.gau"
expect_error "endless child list" "does not end within" "$panelhost" inspect "$bin/broken_endless_children.gau"
expect_error "unknown kind" "unknown element kind 9" "$panelhost" eval "$bin/broken_unknown_kind.gau" Broken --update
expect_error "bad step" 'unknown step "--frob"' "$panelhost" eval "$bin/Velmar_Tavrin.gau" Fuel --frob
expect_error "bad value" '"abc" is not a number' "$panelhost" eval "$bin/Velmar_Tavrin.gau" Fuel --set 304=abc

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
