#!/usr/bin/env bash
# Installs what is missing, builds, and starts one of the six programs (keyprint6 by default).
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-keyprint6}
case "$program" in
    keyprint5|keyprint6|keyprint7|combiprint5|combiprint6|combiprint7) ;;
    *) echo "Unknown program '$program': choose keyprint5..7 or combiprint5..7" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target "$program"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "$program is built (build/bin/$program) but cannot start: this machine has no display (run it under Xvfb, e.g. xvfb-run build/bin/$program)." >&2
    exit 1
fi
exec "build/bin/$program"
