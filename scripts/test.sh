#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine on a
# virtual X display. Extra arguments go to ctest (for example: -R test_afx_core).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/ctest-under-x.sh" "$@"
