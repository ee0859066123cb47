#!/usr/bin/env bash
# Installs what is missing, builds Mealwright and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEALWRIGHT_TESTS=OFF
cmake --build build-release -j"$(nproc)"
exec build-release/src/cli/mealwright-cli --help "$@"
