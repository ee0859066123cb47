#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: a normal build and a build
# with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors; checks the code format too;
# runs the benchmarks and prints speed and memory against the targets and the stored baseline, failing on
# a crash or on memory but not on time, which a busy machine can spoil (scripts/bench.sh fails on time;
# bench/README.md); builds the Debian package and checks it (scripts/check-package.sh); gathers the desktop
# program's texts into a translation template; then runs the fuzzer of every file reader for a minute when clang
# is there.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== Format check"
mapfile -t sources < <(find src tests tools bench -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
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

# One reader's fuzzer on its seeds for a short while; a crash, a broken check or a hang fails it.
run_fuzzer() {
    local dir=$1 reader=$2 seconds=$3
    local work="$dir/runs/$reader"
    rm -rf "$work"
    mkdir -p "$work/corpus"
    if ! "$dir/tests/fuzz/${reader}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/" "$work/corpus" "tests/fuzz/corpus/$reader" >"$work/log.txt" 2>&1; then
        echo "Fuzzer $reader failed; the input is kept in $work:" >&2
        tail -n 40 "$work/log.txt" >&2
        return 1
    fi
    echo "$reader: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work/log.txt")"
}

fuzz_smoke() {
    local dir=build-fuzz seconds=${MEALWRIGHT_FUZZ_SECONDS:-60}
    echo "== Fuzz every reader for ${seconds}s, $jobs at a time"
    CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEALWRIGHT_FUZZ=ON \
        -DMEALWRIGHT_TESTS=OFF
    cmake --build "$dir" --target mealwright_fuzzers -j"$jobs"
    local failed=0 running=0
    for reader in day_file userfood_line personal_food_database food_attribute_file ini_file; do
        run_fuzzer "$dir" "$reader" "$seconds" &
        running=$((running + 1))
        if ((running >= jobs)); then
            wait -n || failed=1
            running=$((running - 1))
        fi
    done
    while ((running > 0)); do
        wait -n || failed=1
        running=$((running - 1))
    done
    return "$failed"
}

echo "== The translation template of the desktop program's texts"
bash scripts/translation-template.sh build-release/translations/mealwright.ts

export QT_QPA_PLATFORM=offscreen
run_suite build-release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEALWRIGHT_BENCHMARKS=ON
echo "== Speed and memory against the targets and the stored baseline"
python3 bench/check.py --build build-release
bash scripts/check-package.sh build-release
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DMEALWRIGHT_SANITIZE=ON
if command -v clang++ >/dev/null 2>&1; then
    fuzz_smoke
else
    echo "== No clang here: the fuzzers are not run"
fi
