#!/usr/bin/env bash
# Builds the Release tree with the benchmarks (build-bench/) and runs every benchmark (not part of the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset bench
cmake --build --preset bench
for b in build-bench/bench/*; do
  if [ -x "$b" ] && [ -f "$b" ]; then
    echo "== $(basename "$b")"
    "$b"
  fi
done
