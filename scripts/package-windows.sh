#!/usr/bin/env bash
# Builds the six programs for 64-bit Windows and packs them, in build-windows/:
#   lotto-szelveny-<version>-setup.exe     the installer (current user or all users)
#   lotto-szelveny-<version>-portable.zip  the same files and portable.txt, for a folder or stick
# Installs what is missing from Debian, builds Qt for Windows once into
# ~/.cache/lotto-szelveny/qt6-mingw-6.4.2 (long the first time; reused later), cross-compiles the
# programs in Release with MinGW-w64 and lays them out with the DLLs, plugins, Qt's Hungarian
# texts, the slip faces and the licence texts they need.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

programs=(keyprint5 keyprint6 keyprint7 combiprint5 combiprint6 combiprint7)
version=$(sed -n 's/^project(SlipPrinters VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=lotto-szelveny-$version
out=build-windows
qt=${XDG_CACHE_HOME:-$HOME/.cache}/lotto-szelveny/qt6-mingw-6.4.2
toolchain=$PWD/packaging/windows/mingw-w64-x86_64.cmake

echo "== Debian packages for the Windows build =="
bash packaging/windows/install-deps.sh
echo "== Qt for Windows =="
bash packaging/windows/build-qt.sh

echo "== Cross-compiling the six programs (Release) =="
# The programs' icons, for the executables and the Start menu: the menu entries' icons as .ico
# (48 pixels, and 256 stored as PNG).
mkdir -p "$out/icons"
for p in "${programs[@]}"; do
    icotool -c -o "$out/icons/$p.ico.new" packaging/icons/hicolor/48x48/apps/$p.png \
        -r packaging/icons/hicolor/256x256/apps/$p.png
    if cmp -s "$out/icons/$p.ico.new" "$out/icons/$p.ico"; then
        rm "$out/icons/$p.ico.new"
    else
        mv "$out/icons/$p.ico.new" "$out/icons/$p.ico"
    fi
done
nice -n 10 "$qt/bin/qt-cmake" -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DSLIP_WINDOWS_ICON_DIR="$PWD/$out/icons" \
    -DSLIP_BUILD_TESTS=OFF -DSLIP_BUILD_BENCHMARKS=OFF -DCMAKE_EXE_LINKER_FLAGS=-s >/dev/null
nice -n 10 cmake --build "$out" --target "${programs[@]}"

echo "== Laying out the Windows copy =="
stage=$out/stage/lotto-szelveny
rm -rf "$out/stage" "$out/nsis"
mkdir -p "$stage/icons" "$out/nsis"
# shellcheck source=../packaging/windows/deploy.sh
source packaging/windows/deploy.sh
exes=()
for p in "${programs[@]}"; do exes+=("$out/bin/$p.exe"); done
deploy_windows "$qt" "$stage" "${exes[@]}"
cp data/* "$stage/"
cp "$out"/icons/*.ico "$stage/icons/"

echo "== Installer =="
# The files one by one, for the installer and for an uninstaller that removes only them.
{
    echo '!macro install_files'
    (cd "$stage" && find . -type f | sort) | while read -r f; do
        f=${f#./}
        dir=$(dirname "$f")
        [ "$dir" = . ] && dir= || dir="\\${dir//\//\\}"
        echo "    SetOutPath \"\$INSTDIR$dir\""
        echo "    File \"$PWD/$stage/$f\""
    done
    echo '    SetOutPath "$INSTDIR"'
    echo '!macroend'
    echo '!macro uninstall_files'
    (cd "$stage" && find . -type f | sort) | while read -r f; do
        f=${f#./}
        echo "    Delete \"\$INSTDIR\\${f//\//\\}\""
    done
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r d; do
        d=${d#./}
        echo "    RMDir \"\$INSTDIR\\${d//\//\\}\""
    done
    echo '!macroend'
} >"$out/nsis/files.nsh"
# The Start-menu entries: the names and descriptions of the Linux menu entries. A file name
# cannot hold "/", so "6/45" is written with the division slash, which looks the same.
{
    echo '!macro create_shortcuts dir'
    for p in "${programs[@]}"; do
        label=$(sed -n 's/^Name=//p' "packaging/applications/$p.desktop" | sed 's#/#∕#g')
        comment=$(sed -n 's/^Comment=//p' "packaging/applications/$p.desktop")
        echo "    CreateShortcut \"\${dir}\\$label.lnk\" \"\$INSTDIR\\$p.exe\" \"\" \"\$INSTDIR\\icons\\$p.ico\" 0 SW_SHOWNORMAL \"\" \"$comment\""
    done
    echo '!macroend'
    echo '!macro remove_shortcuts dir'
    for p in "${programs[@]}"; do
        label=$(sed -n 's/^Name=//p' "packaging/applications/$p.desktop" | sed 's#/#∕#g')
        echo "    Delete \"\${dir}\\$label.lnk\""
    done
    echo '!macroend'
} >"$out/nsis/shortcuts.nsh"
rm -f "$out/$name-setup.exe" "$out/$name-portable.zip"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$PWD/$stage" \
    -DGENERATED="$PWD/$out/nsis" -DOUTFILE="$PWD/$out/$name-setup.exe" \
    -DINSTALLED_KB="$(du -sk "$stage" | cut -f1)" packaging/windows/installer.nsi

echo "== Portable zip =="
zip_root=$out/stage/zip
rm -rf "$zip_root"
mkdir -p "$zip_root/$name"
cp -r "$stage/." "$zip_root/$name/"
cp packaging/windows/portable.txt "$zip_root/$name/"
(cd "$zip_root" && zip -qr -X "$OLDPWD/$out/$name-portable.zip" "$name")
rm -rf "$zip_root"

ls -l "$out/$name-setup.exe" "$out/$name-portable.zip"
echo "Done in $(( $(date +%s) - started )) s."
