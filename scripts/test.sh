#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: a normal build and a build
# with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors; checks the code format too.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== Format check"
mapfile -t sources < <(find src tests tools benchmarks -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
clang-format --dry-run -Werror "${sources[@]}"

echo "== The core library stays free of Qt"
if grep -rnE '#include\s*[<"]Q' src/core; then
    echo "src/core must not include Qt headers" >&2
    exit 1
fi

run_suite() {
    local dir=$1
    shift
    echo "== Build and test in $dir"
    cmake -S . -B "$dir" -DMEALWRIGHT_WERROR=ON "$@"
    cmake --build "$dir" -j"$jobs"
    ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

export QT_QPA_PLATFORM=offscreen
run_suite build-release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEALWRIGHT_BENCHMARKS=ON
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DMEALWRIGHT_SANITIZE=ON
