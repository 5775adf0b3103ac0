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
