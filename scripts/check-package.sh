#!/usr/bin/env bash
# Packs an already-built tree into its Debian package (nothing is compiled), lists the package's
# contents and runs the three validators on it: desktop-file-validate on the menu entries,
# appstreamcli on the AppStream metadata and lintian on the package. Fails when any of them
# reports an error; warnings are shown and let it pass.
#   bash scripts/check-package.sh build
set -euo pipefail

build=${1:?usage: check-package.sh <build-dir>}
out="$build/package"
mkdir -p "$out"
rm -f "$out"/*.deb
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    exit 1
fi
deb=$(ls "$out"/*.deb)
echo "== $(basename "$deb"): $(stat -c %s "$deb") bytes"
dpkg-deb -c "$deb"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
failed=0

echo "== desktop-file-validate"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop || failed=1

# appstreamcli also exits non-zero on warnings; only its errors (E:) fail the check.
echo "== appstreamcli validate --no-net"
appstream_report=$(appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml || true)
echo "$appstream_report"
if grep -q '^E:' <<<"$appstream_report"; then
    failed=1
else
    echo "appstreamcli: no errors"
fi

echo "== lintian"
lintian_options=(--fail-on error)
if [ "$(id -u)" -eq 0 ]; then
    lintian_options+=(--allow-root)
fi
lintian "${lintian_options[@]}" "$deb" || failed=1

if [ "$failed" -ne 0 ]; then
    echo "Package check failed" >&2
    exit 1
fi
echo "Package check passed"
