#!/usr/bin/env bash
# Installs what is missing, builds the program, and starts it under Wine: on your
# display when there is one, else on a virtual X display (said below).
# When nothing listens on 127.0.0.1:8765 (the program's default suggestion
# service), a small stand-in service with sample English and Russian answers
# is started there for the program's lifetime.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# Only the program and the stand-in service: the test command builds the rest.
"$root/scripts/build.sh" --target lexifern lexifern_suggest_standin
source "$root/scripts/wine-env.sh"
ensure_wine_prefix
exe="$build/app/lexifern.exe"
standin="$build/tests/lexifern_suggest_standin.exe"

run_program() {
  local standin_pid=""
  if ! (exec 3<>/dev/tcp/127.0.0.1/8765) 2>/dev/null; then
    echo "Starting the stand-in suggestion service on 127.0.0.1:8765"
    wine "$standin" 8765 </dev/null >/dev/null 2>&1 &
    standin_pid=$!
  fi
  local rc=0
  # In its own folder: the program reads "tips.txt" from the current folder.
  (cd "$(dirname "$exe")" && wine "$exe" "$@") || rc=$?
  if [ -n "$standin_pid" ]; then
    # The service runs inside Wine: ending the prefix's processes ends it.
    wineserver -k 2>/dev/null || true
    wait "$standin_pid" 2>/dev/null || true
  fi
  return $rc
}

if [ -n "${DISPLAY:-}" ]; then
  run_program "$@"
else
  echo "No DISPLAY: starting Lexifern on a virtual X display (xvfb-run); it is not visible."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
