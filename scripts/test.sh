#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine on a
# virtual X display. Extra arguments go to ctest (for example: -R test_afx_core).
# Two passes: everything but the palette tests (with the benchmarks) on a
# 24-bit screen, then the tests labelled "palette" on an 8-bit palette screen.
# Each pass starts and stops its own Wine server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
rc=0
benchmarks=; [ $# -eq 0 ] && benchmarks=1
LEXIFERN_BENCHMARKS=$benchmarks xvfb-run -a -s "-screen 0 1024x768x24" \
  "$root/scripts/ctest-under-x.sh" -LE palette "$@" || rc=1
xvfb-run -a -s "-screen 0 1024x768x8" "$root/scripts/ctest-under-x.sh" -L palette "$@" || rc=1
exit $rc
