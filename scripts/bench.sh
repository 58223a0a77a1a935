#!/usr/bin/env bash
# Builds and runs the benchmarks: all of them, or those named
# (./scripts/bench.sh bench_store). They print their own figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
if [ $# -eq 0 ]; then
  set -- $(cd build/bench && ls bench_* | grep -v '\.' || true)
fi
for b in "$@"; do
  echo "== $b"
  ./build/bench/"$b"
done
