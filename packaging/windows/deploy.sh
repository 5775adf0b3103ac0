# Lays out a runnable Windows copy of executables built with the cross-built Qt. Sourced by
# scripts/package-windows.sh and scripts/test-windows.sh:
#
#   deploy_windows <qt prefix> <destination> <executable>...
#
# Copies the executables, the plugins by type, then every DLL they need, found by reading the
# imports of each executable, plugin and copied DLL (x86_64-w64-mingw32-objdump -p) until
# nothing new turns up: Qt's DLLs and the MinGW runtime. A DLL that is neither there nor one of
# Windows' own (as Wine provides them) stops the deployment. Adds qt.conf, Qt's Hungarian texts,
# the faces Linux prints "arial black" and "times new roman" with, and the licence texts.

deploy_fail() { echo "package-windows: $*" >&2; return 1; }

deploy_windows() {
    local qt=$1 dest=$2
    shift 2
    local objdump=x86_64-w64-mingw32-objdump
    local gcc_runtime
    gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    local search=("$qt/bin" "$gcc_runtime" /usr/x86_64-w64-mingw32/lib)
    # Windows' own DLLs, as Wine provides them, by lower-case name.
    local -A windows_dll=()
    local known
    for known in /usr/lib/x86_64-linux-gnu/wine/x86_64-windows/*; do
        known=$(basename "$known")
        windows_dll[${known,,}]=1
    done

    mkdir -p "$dest/platforms" "$dest/styles" "$dest/translations"
    cp "$@" "$dest/"
    cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qoffscreen.dll" \
        "$dest/platforms/"
    cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$dest/styles/"

    # The DLL closure, breadth first over every PE file laid out so far.
    local -A seen=()
    local queue=() file name found dir system=()
    for file in "$@"; do queue+=("$dest/$(basename "$file")"); done
    queue+=("$dest"/platforms/*.dll "$dest"/styles/*.dll)
    while [ ${#queue[@]} -gt 0 ]; do
        file=${queue[0]}
        queue=("${queue[@]:1}")
        while read -r name; do
            [ -n "${seen[${name,,}]:-}" ] && continue
            seen[${name,,}]=1
            found=
            for dir in "${search[@]}"; do
                if [ -f "$dir/$name" ]; then found=$dir/$name; break; fi
            done
            if [ -n "$found" ]; then
                cp "$found" "$dest/$name"
                queue+=("$dest/$name")
            elif [ -n "${windows_dll[${name,,}]:-}" ] || [[ ${name,,} == @(api|ext)-ms-win-* ]]; then
                # (api-ms-win-… and ext-ms-win-… are API sets, which Windows resolves itself)
                system+=("$name")
            else
                deploy_fail "$(basename "$file") needs $name, which is neither built nor part of Windows"
                return 1
            fi
        done < <("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')
    done
    # Debian's MinGW runtime and the Qt build keep their symbols; Windows needs none of them.
    x86_64-w64-mingw32-strip --strip-unneeded "$dest"/*.dll "$dest"/platforms/*.dll \
        "$dest"/styles/*.dll
    echo "  DLLs: $(cd "$dest" && ls -- *.dll | tr '\n' ' ')"
    echo "  from Windows: $(printf '%s\n' "${system[@]}" | sort -fu | tr '\n' ' ')"

    # Qt finds its Hungarian texts through qt.conf; the plugins lie beside the executables.
    printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$dest/qt.conf"
    cp /usr/share/qt6/translations/qtbase_hu.qm "$dest/translations/"

    # The faces Linux prints the slip faces with (fontconfig's choice), for systems that lack
    # them; the programs register them under the face's name (see services/SlipFaces.h).
    local face style font fonts_used=()
    for face in "arial black" "times new roman"; do
        mkdir -p "$dest/fonts/$face"
        for style in "" ":bold"; do
            font=$(fc-match -f '%{file}' "$face$style")
            [ -f "$font" ] || { deploy_fail "fontconfig names no face for $face$style"; return 1; }
            cp "$font" "$dest/fonts/$face/"
            fonts_used+=("$font")
        done
    done

    # Licence texts: Qt (LGPL-3, which builds on the GPL-3) with the libraries built into it,
    # the MinGW runtime (libstdc++ and libgcc under the GCC Runtime Library Exception,
    # winpthreads), the shipped fonts.
    local lic=$dest/licences
    mkdir -p "$lic/Qt" "$lic/MinGW-runtime" "$lic/fonts"
    cp "$(dirname "${BASH_SOURCE[0]}")/licences-readme.txt" "$lic/OLVASSEL.txt"
    cp "$qt/licenses/LGPL-3.0-only.txt" "$qt/licenses/GPL-3.0-only.txt" "$lic/Qt/"
    cp -r "$qt/licenses/3rdparty" "$lic/Qt/3rdparty"
    cp /usr/share/common-licenses/GPL-3 "$lic/MinGW-runtime/GPL-3.txt"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$lic/MinGW-runtime/gcc-libstdc++-libgcc.txt"
    cp /usr/share/doc/mingw-w64-common/copyright "$lic/MinGW-runtime/mingw-w64-winpthreads.txt"
    local package
    for font in "${fonts_used[@]}"; do
        package=$(dpkg-query -S "$font" | head -n 1 | cut -d: -f1)
        cp "/usr/share/doc/$package/copyright" "$lic/fonts/$package.txt"
    done
}
