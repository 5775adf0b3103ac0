#!/usr/bin/env bash
# Builds Qt (Core, Gui, Widgets, PrintSupport, Test and their plugins) for 64-bit Windows from
# Debian's qt6-base source, with the host's Qt tools, into a cache folder outside the tree:
#   ${XDG_CACHE_HOME:-~/.cache}/lotto-szelveny/qt6-mingw-<version>
# A Qt found there is reused. Otherwise it is built in a temporary folder beside it and renamed at
# the end, so a half-built Qt is never used; when something is missing (the source, disk space) it
# stops with one line and leaves the cache folder as it was.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

qt_version=6.4.2
cache=${XDG_CACHE_HOME:-$HOME/.cache}/lotto-szelveny
prefix=$cache/qt6-mingw-$qt_version
toolchain=$here/mingw-w64-x86_64.cmake
need_gb=6   # source, build tree and install together stay under 5 GB

fail() { echo "package-windows: $*" >&2; exit 1; }

if [ -x "$prefix/bin/qt-cmake" ]; then
    echo "Qt $qt_version for Windows: $prefix (built before, reused)"
    exit 0
fi

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
case "$host_version" in
    "$qt_version"+*) ;;
    *) fail "the host's Qt tools are ${host_version:-missing}, Qt $qt_version for Windows needs qt6-base-dev $qt_version." ;;
esac

# Disk space where the cache folder is (or would be).
probe=$cache
while [ ! -d "$probe" ]; do probe=$(dirname "$probe"); done
free_gb=$(( $(df -Pk "$probe" | awk 'NR == 2 { print $4 }') / 1024 / 1024 ))
[ "$free_gb" -ge "$need_gb" ] ||
    fail "not enough disk space for the Qt build: $free_gb GB free in $probe, $need_gb GB needed; nothing was changed."

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# Debian's source packages: add deb-src entries matching the binary ones when there are none.
has_deb_src() {
    grep -rqsE '^[[:space:]]*deb-src[[:space:]]|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/
}
if ! has_deb_src; then
    echo "Adding Debian's source packages (deb-src) to apt's sources"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/lotto-szelveny-src.sources >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
        sed -n -e 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/lotto-szelveny-src.list >/dev/null
    fi
    "${sudo_cmd[@]}" apt-get update -qq >/dev/null 2>&1 || true
fi

echo "Building Qt $qt_version for Windows once, into $prefix."
echo "The first build takes long (about an hour on two busy cores); later runs reuse it."

created_cache=0
[ -d "$cache" ] || created_cache=1
mkdir -p "$cache"
work=$(mktemp -d "$cache/.qt6-mingw-$qt_version.tmp.XXXXXX")
cleanup() {
    rm -rf "$work"
    [ "$created_cache" -eq 1 ] && rmdir "$cache" 2>/dev/null
    true
}
trap cleanup EXIT

echo "[1/4] Fetching Debian's qt6-base $host_version source"
if ! (cd "$work" && apt-get source -qq "qt6-base=$host_version" >"$work/source.log" 2>&1); then
    reason=$(grep -E '^E:' "$work/source.log" | head -n 1)
    fail "Qt's source could not be fetched (apt-get source qt6-base=$host_version: ${reason:-no error given}); nothing was built, the cache is unchanged."
fi
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -n "$src" ] || fail "apt-get source unpacked no qt6-base folder; the cache is unchanged."

# Qt's bundled libraries, never MinGW builds that may lie in the sysroot.
bundled=()
for lib in zlib png freetype harfbuzz pcre2 doubleconversion jpeg md4c; do
    bundled+=("-DFEATURE_system_$lib=OFF")
done

echo "[2/4] Configuring"
nice -n 10 cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_tabletevent=OFF "${bundled[@]}" \
    >"$work/configure.log" 2>&1 ||
    { tail -n 30 "$work/configure.log" >&2; fail "Qt's configuration failed (above)."; }

echo "[3/4] Compiling (progress in steps of 5 %)"
if ! nice -n 10 cmake --build "$work/build" --parallel "$(nproc)" 2>&1 | tee "$work/build.log" |
    awk -F'[][/]' '/^\[[0-9]+\/[0-9]+\]/ {
        p = int($2 * 100 / $3)
        if (p >= shown + 5) { shown = p - p % 5; printf "      %3d %% (%d of %d)\n", shown, $2, $3; fflush() }
    }'; then
    grep -E -A 12 '^FAILED:' "$work/build.log" | head -n 40 >&2
    fail "Qt's compilation failed (above)."
fi

echo "[4/4] Installing into $prefix"
DESTDIR="$work/stage" cmake --install "$work/build" >"$work/install.log" 2>&1 ||
    { tail -n 20 "$work/install.log" >&2; fail "Qt's installation failed."; }
# Qt's licences and those of the libraries built into it, for the copies that ship Qt.
mkdir -p "$work/stage$prefix/licenses/3rdparty"
cp "$src"/LICENSES/*.txt "$work/stage$prefix/licenses/"
(cd "$src/src/3rdparty" && find . -maxdepth 3 \( -iname 'LICENSE*' -o -iname 'COPYING*' \
    -o -name qt_attribution.json -o -name FTL.TXT \) -exec cp --parents {} \
    "$work/stage$prefix/licenses/3rdparty/" \;)
mv "$work/stage$prefix" "$prefix"
echo "Qt $qt_version for Windows ready: $prefix ($(du -sh "$prefix" | cut -f1))"
