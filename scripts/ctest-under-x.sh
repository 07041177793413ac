#!/usr/bin/env bash
# Runs the benchmarks (they measure and print; they check no time), then CTest,
# inside an X display started by test.sh through xvfb-run. With arguments only
# CTest runs, with those arguments, unless LEXIFERN_BENCHMARKS is set.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
ensure_wine_prefix
start_wine_session
rc=0
if [ $# -eq 0 ] || [ -n "${LEXIFERN_BENCHMARKS:-}" ]; then
  for bench in tests/bench/lexifern_bench.exe tests/collector/lexifern_export_bench.exe \
               tests/grid/lexifern_grid_bench.exe tests/bench/lexifern_tooltip_bench.exe \
               tests/bench/lexifern_basket_view_bench.exe; do
    if [ -f "$build/$bench" ]; then
      echo "== benchmark $(basename "$bench" .exe)"
      (cd "$build" && wine "$bench" </dev/null) || { echo "benchmark $bench failed"; rc=1; }
    fi
  done
fi
(cd "$build" && ctest --output-on-failure -j "${JOBS:-$(nproc)}" "$@") || rc=$?
stop_wine_session
exit $rc
