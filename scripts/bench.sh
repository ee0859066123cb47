#!/usr/bin/env bash
# The strict speed check: builds the release programs and benchmarks, then fails when a time is more than
# twice its stored baseline (bench/README.md). Timings depend on what else the machine does, so run it on a
# quiet machine; the test command only prints the comparison. Arguments go to bench/check.py.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEALWRIGHT_BENCHMARKS=ON
cmake --build build-release -j"$(nproc)" --target mealwright mealwright-cli mealwright_benchmarks
QT_QPA_PLATFORM=offscreen python3 bench/check.py --build build-release --strict "$@"
