#!/usr/bin/env bash
# Installs what is missing, builds Mealwright and starts the desktop program (arguments go to it).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEALWRIGHT_TESTS=OFF
cmake --build build-release -j"$(nproc)"
exec build-release/src/app/mealwright "$@"
