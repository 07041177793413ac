#!/usr/bin/env bash
# Runs CTest inside an X display (started by test.sh through xvfb-run).
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
ensure_wine_prefix
start_wine_session
rc=0
(cd "$build" && ctest --output-on-failure -j "${JOBS:-$(nproc)}" "$@") || rc=$?
stop_wine_session
exit $rc
