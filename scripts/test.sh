#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a normal build,
# once in an AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs=$(nproc)

echo "== Build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure --no-tests=error

if command -v dpkg-deb >/dev/null; then
    echo "== Debian package of the build, with its validators =="
    bash scripts/check-package.sh build
fi

echo "== Build and test with AddressSanitizer + UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSLIP_SANITIZE=ON \
    -DSLIP_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j "$jobs"
# LeakSanitizer runs too: a test program that leaks fails.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan -j "$jobs" --output-on-failure --no-tests=error

echo "== libFuzzer targets, built with clang and run a few seconds each from their corpus =="
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DSLIP_BUILD_FUZZERS=ON -DSLIP_BUILD_TESTS=OFF -DSLIP_BUILD_BENCHMARKS=OFF >/dev/null
mapfile -t fuzzers < <(sed -n 's/^add_slip_fuzzer(\(fuzz_[a-z_]*\) .*/\1/p' fuzz/CMakeLists.txt)
cmake --build build-fuzz -j "$jobs" --target "${fuzzers[@]}"
fuzz_seconds=${SLIP_FUZZ_SECONDS:-5}
root=$(pwd)
for fuzzer in "${fuzzers[@]}"; do
    # New inputs go into a scratch folder, so the committed corpus stays as it is.
    scratch=$(mktemp -d)
    if ! (cd "$scratch" && "$root/build-fuzz/bin/$fuzzer" -max_total_time="$fuzz_seconds" \
              -print_final_stats=1 "$scratch" "$root/fuzz/corpus/${fuzzer#fuzz_}" \
              >"$scratch/log" 2>&1); then
        tail -n 40 "$scratch/log"
        echo "$fuzzer failed; the input that failed is in $scratch" >&2
        exit 1
    fi
    echo "$fuzzer: $(grep -m1 '^stat::number_of_executed_units' "$scratch/log" | awk '{print $2}') runs"
    rm -rf "$scratch"
done
