#!/usr/bin/env bash
# Installs what is missing, builds, and starts Lexifern under Wine: on your
# display when there is one, else on a virtual X display (said below).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
ensure_wine_prefix
exe="$build/app/lexifern.exe"
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe" "$@"
else
  echo "No DISPLAY: starting Lexifern on a virtual X display (xvfb-run); it is not visible."
  exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$exe" "$@"
fi
