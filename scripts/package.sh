#!/usr/bin/env bash
# Builds the Debian package of the six programs: build-release/<package>_<version>_amd64.deb.
# Installs what is missing, configures a Release build with Debian's hardening flags, builds only
# the six programs and packs them with CPack. A second run only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# All of Debian's hardening flags (fortified functions, full RELRO with immediate binding, PIE).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
programs=(keyprint5 keyprint6 keyprint7 combiprint5 combiprint6 combiprint7)
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DSLIP_BUILD_TESTS=OFF -DSLIP_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-release --target "${programs[@]}"
rm -f build-release/*.deb
cpack --config build-release/CPackConfig.cmake -B build-release
ls -l build-release/*.deb
