#!/usr/bin/env bash
# Tests the Windows build under Wine, in a Wine prefix of its own with no printer in sight:
#   - the core test executables, cross-built, on Qt's offscreen platform (suites that need
#     poppler's tools, a cupsd, an X server of their own or the Linux folder rules are left out,
#     and named), and the tests of what only Windows does;
#   - the six programs of the portable zip, each started on a virtual display (xvfb-run) with a
#     screenshot of its main window in build-windows/screenshots/, and the single instance;
#   - the installer and its uninstaller, for the current user;
#   - a 32,736-row key printed by keyprint6 and a full combination by combiprint6, into PDFs
#     whose words must lie where the Linux build's PDFs of the same runs have them, within
#     0.01 mm.
# Builds what is missing first (scripts/package-windows.sh, GoogleTest for MinGW, the test
# executables, the Linux reference). Ends with one line: "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cache=${XDG_CACHE_HOME:-$HOME/.cache}/lotto-szelveny
qt=$cache/qt6-mingw-6.4.2
toolchain=$root/packaging/windows/mingw-w64-x86_64.cmake
tests_build=$root/build-windows-tests
run=$tests_build/run

# Suites run under Wine, with the cases left out of them.
core_suites=(text_tests files_tests composition_tests keyrun_tests keylisting_tests
    template_tests combiprint_selection_tests combiprint_runs_tests
    full_combination_choice_tests drawcheck_tests preview_core_tests keygen_tests
    keyprint_window_tests combiprint_window_tests combiprint_flow_tests
    full_combination_window_tests full_combination_end_to_end_tests drawcheck_window_tests)
declare -A filters=(
    # POSIX permission bits (Windows has the read-only attribute only), and a folder listing
    # without hidden files (on Windows the saved settings file is hidden)
    [files_tests]=-FileAttributes.NormalGivesTheOwnerWriteAndKeepsTheRest:SettingsFileTest.KeyPrinterWritesOneLineAndOverwrites
    # read their PDFs back with poppler's pdftotext; a status line compared with a path written
    # with "/", which Windows shows with "\"
    [keyprint_window_tests]=-*KeyPrinterPdfTest*:*KeyPrintPreviewPdfTest*:*AJobWrittenToAFileIsShownInTheStatusLine*
    [combiprint_window_tests]=-*PrintButtonsRunAndReportAPdfJob*
)
fuzz_replays=(fuzz_replay_field_reader:field_reader fuzz_replay_settings:settings
    fuzz_replay_key_loading:key_loading fuzz_replay_full_combination:full_combination)
left_out="fidelity_tests preview_tests combiprint_end_to_end_tests
combiprint_print_outcome_tests (poppler's pdftotext), platform_tests (poppler's pdftotext and
the Linux file-size limit), cups_delivery_tests (a cupsd),
desktop_tests (an X server and window manager of their own, xdotool), install_key_printer_tests
install_combination_printer_tests (the Linux folder rules: on Windows the portable marker
decides, tested by windows_tests)"

if [ -z "${SLIP_WINE_PHASE:-}" ]; then
    summary_on_error() { echo "0 passed, 1 failed"; }
    trap summary_on_error ERR

    bash scripts/package-windows.sh

    echo "== GoogleTest for MinGW =="
    gtest=$cache/googletest-mingw-$(dpkg-query -W -f='${Version}' googletest)
    if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
        work=$(mktemp -d "$cache/.googletest.tmp.XXXXXX")
        nice -n 10 cmake -S /usr/src/googletest -B "$work/build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
        nice -n 10 cmake --build "$work/build" >/dev/null
        DESTDIR=$work/stage cmake --install "$work/build" >/dev/null
        mv "$work/stage$gtest" "$gtest"
        rm -rf "$work"
    fi
    echo "  $gtest"

    echo "== The test executables for Windows =="
    targets=("${core_suites[@]}" windows_tests pdf_runs)
    for f in "${fuzz_replays[@]}"; do targets+=("${f%%:*}"); done
    nice -n 10 "$qt/bin/qt-cmake" -S . -B "$tests_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DGTest_DIR="$gtest/lib/cmake/GTest" \
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST -DSLIP_BUILD_BENCHMARKS=OFF \
        -DCMAKE_EXE_LINKER_FLAGS=-s >/dev/null
    nice -n 10 cmake --build "$tests_build" --target "${targets[@]}"
    rm -rf "$run"
    exes=()
    for t in "${targets[@]}"; do exes+=("$tests_build/bin/$t.exe"); done
    # shellcheck source=../packaging/windows/deploy.sh
    source packaging/windows/deploy.sh
    deploy_windows "$qt" "$run" "${exes[@]}" >/dev/null
    # Qt's offscreen platform on Windows reads its fonts from <prefix>/lib/fonts (qt.conf makes
    # the executables' folder the prefix).
    mkdir -p "$run/lib/fonts"
    cp "$run"/fonts/*/* /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf \
        "$run/lib/fonts/"

    echo "== The Linux build's print runs =="
    bash scripts/install-deps.sh
    nice -n 10 cmake -S . -B build-linux -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DSLIP_BUILD_BENCHMARKS=OFF >/dev/null
    nice -n 10 cmake --build build-linux --target pdf_runs

    trap - ERR
    SLIP_WINE_PHASE=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

# ---- Under xvfb-run: everything that runs Windows code ----
set +e
passed=0
failed=0
check() { # check <name> <command...>: one test, passed when the command succeeds
    local name=$1
    shift
    if "$@"; then
        echo "  passed  $name"
        passed=$((passed + 1))
    else
        echo "  FAILED  $name"
        failed=$((failed + 1))
    fi
}

# Wine without its .NET and browser engines (nothing to download), and without copying the
# installer's Start-menu entries into this machine's own menu.
export WINEPREFIX=$tests_build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# No printer: Wine's print system asks CUPS, which this address does not reach.
export CUPS_SERVER=/nonexistent/cups.sock
rm -rf "$WINEPREFIX"
echo "== A fresh Wine prefix =="
wineboot -i >/dev/null 2>&1
wineserver -w
winpath() { winepath -w "$1" 2>/dev/null; }
local_appdata=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)
echo "  $WINEPREFIX, %LOCALAPPDATA% = $local_appdata"

echo "== Core test executables under Wine (offscreen) =="
# One wineserver for all the suites: a server that is shutting down after one suite can reset the
# connection of the next suite's first call ("wine client error: ... Connection reset by peer").
wineserver -p
echo "  left out: $(echo $left_out)"
tmp=$(mktemp -d)
logs=$tests_build/logs # each suite's whole output
rm -rf "$logs"
mkdir -p "$logs"
# Wine keeps QT_* variables from Windows programs, so the platform is given as an argument.
gtest_run() { # gtest_run <suite> [filter]
    local args=(--gtest_brief=1 -platform "${qpa:-offscreen}")
    [ -n "${2:-}" ] && args+=("--gtest_filter=$2")
    (cd "$tmp" && timeout 900 wine "$run/$1.exe" "${args[@]}" >"$logs/$1.log" 2>&1)
    local status=$?
    grep -E '^\[  (FAILED|PASSED|SKIPPED) ' "$logs/$1.log" | tr -d '\r' | sed 's/^/        /' | tail -n 12
    [ "$status" -eq 0 ] || echo "        exit status $status, see $logs/$1.log"
    return $status
}
for suite in "${core_suites[@]}"; do
    check "$suite" gtest_run "$suite" "${filters[$suite]:-}"
done
for f in "${fuzz_replays[@]}"; do
    check "${f%%:*}" bash -c "cd '$tmp' && timeout 300 wine '$run/${f%%:*}.exe' \
        '$(winpath "$root/fuzz/corpus/${f#*:}")' >'$logs/${f%%:*}.log' 2>&1"
done
# What only Windows does, on the Windows platform (GDI fonts, as the programs use them).
qpa=windows check windows_tests gtest_run windows_tests
wineserver -k
wineserver -w

echo "== The six programs of the portable zip, with screenshots =="
portable=$tmp/portable
mkdir -p "$portable" "$root/build-windows/screenshots"
unzip -q "$root"/build-windows/lotto-szelveny-*-portable.zip -d "$portable"
copy=$(echo "$portable"/lotto-szelveny-*)
window_of() { # window_of <program> <pid>: the id of its visible main window, waiting for it
    local i id
    for i in $(seq 1 60); do
        id=$(xdotool search --onlyvisible --classname "^$1.exe$" 2>/dev/null | tail -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$2" 2>/dev/null || return 1
        sleep 1
    done
    return 1
}
program_shows() { # program_shows <program>: window up, screenshot saved, game folder made
    local program=$1 game=${1: -1} pid id shot=$root/build-windows/screenshots/$1.png
    (cd "$copy" && exec wine "$copy/$program.exe") >"$tmp/$program.log" 2>&1 &
    pid=$!
    id=$(window_of "$program" "$pid") || { echo "    no window of $program"; return 1; }
    sleep 2 # the first paint
    xwd -silent -id "$id" | xwdtopnm 2>/dev/null | pnmtopng >"$shot"
    local colours title
    colours=$(pngtopnm "$shot" | ppmhist -noheader 2>/dev/null | wc -l)
    title=$(xdotool getwindowname "$id")
    echo "    $shot: \"$title\", $(pngtopnm "$shot" | head -c 20 | sed -n 2p) pixels, $colours colours"
    kill "$pid" 2>/dev/null
    wineserver -k
    wait "$pid" 2>/dev/null
    # The main window (not a message box), drawn, and its game folder beside the executables.
    [[ $title == *"lottószelvény kitöltő"* ]] && [ "$colours" -gt 8 ] && [ -d "$copy/lotto$game" ] &&
        [ ! -d "$local_appdata/lotto-szelveny/lotto$game" ]
}
for program in keyprint5 keyprint6 keyprint7 combiprint5 combiprint6 combiprint7; do
    check "$program starts, portable" program_shows "$program"
done

# A second keyprint6 says it runs already (an exclamation box titled with its name) and ends;
# the first one runs on.
second_instance_refused() {
    local first second id
    (cd "$copy" && exec wine "$copy/keyprint6.exe") >/dev/null 2>&1 &
    first=$!
    window_of keyprint6 "$first" >/dev/null || return 1
    (cd "$copy" && exec wine "$copy/keyprint6.exe") >/dev/null 2>&1 &
    second=$!
    local i ok=1
    for i in $(seq 1 30); do
        id=$(xdotool search --onlyvisible --name '^keyprint6$' 2>/dev/null | head -n 1)
        [ -n "$id" ] && break
        sleep 1
    done
    if [ -n "$id" ]; then
        # (no window manager: focus the box itself, then press its default button)
        xdotool windowfocus --sync "$id" key Return
        for i in $(seq 1 20); do kill -0 "$second" 2>/dev/null || { ok=0; break; }; sleep 1; done
    fi
    kill -0 "$first" 2>/dev/null || ok=1
    kill "$first" "$second" 2>/dev/null
    wineserver -k
    wait 2>/dev/null
    return $ok
}
check "a second keyprint6 is refused" second_instance_refused

echo "== The installer, for the current user =="
installer_round_trip() {
    local setup programs_dir menu
    setup=$(echo "$root"/build-windows/lotto-szelveny-*-setup.exe)
    programs_dir=$local_appdata/Programs/lotto-szelveny
    menu=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")"/Microsoft/Windows/Start Menu/Programs/Lottó szelvénynyomtatók"
    wine "$setup" /S /CurrentUser >/dev/null 2>&1
    wineserver -w
    [ -f "$programs_dir/keyprint6.exe" ] || { echo "    nothing in $programs_dir"; return 1; }
    ls "$menu" | sed 's/^/    menu: /'
    [ "$(ls "$menu"/*.lnk | wc -l)" -eq 6 ] || return 1
    [ ! -e "$programs_dir/portable.txt" ] || return 1
    # The installed copy keeps its game folder in %LOCALAPPDATA%\lotto-szelveny.
    (exec wine "$programs_dir/combiprint6.exe") >/dev/null 2>&1 &
    local pid=$!
    window_of combiprint6 "$pid" >/dev/null || return 1
    kill "$pid"; wineserver -k; wait "$pid" 2>/dev/null
    [ -d "$local_appdata/lotto-szelveny/lotto6" ] || { echo "    no user game folder"; return 1; }
    echo "1,2,2" >"$local_appdata/lotto-szelveny/lotto6/beall6k.txt"
    echo "a user's key" >"$programs_dir/sajat-kulcs.txt"
    wine "$programs_dir/uninstall.exe" /S /CurrentUser >/dev/null 2>&1
    sleep 2
    wineserver -w
    echo "    left after uninstalling: $(cd "$programs_dir" 2>/dev/null && ls | tr '\n' ' ')"
    [ ! -e "$menu" ] && [ "$(ls "$programs_dir")" = sajat-kulcs.txt ] &&
        [ -f "$local_appdata/lotto-szelveny/lotto6/beall6k.txt" ]
}
check "installer and uninstaller, user files kept" installer_round_trip

echo "== Print runs to PDF: Windows (Wine) against Linux =="
pdf_run_compared() { # pdf_run_compared <key|full> <amount>
    local lin=$tmp/pdf-linux-$1 win=$tmp/pdf-windows-$1 linux_pdf windows_pdf
    mkdir -p "$lin" "$win"
    cp "$root"/data/* "$lin/"
    cp "$root"/data/* "$win/"
    printf 'portable\r\n' >"$win/portable.txt"
    local started=$(date +%s)
    # (a runtime folder of its own: a keyprint6 of this machine's user may be running)
    mkdir -p -m 700 "$tmp/runtime"
    linux_pdf=$(XDG_RUNTIME_DIR=$tmp/runtime QT_QPA_PLATFORM=offscreen "$root/build-linux/bin/pdf_runs" "$lin" "$1" "$2" 2>"$tmp/linux-$1.log") ||
        { cat "$tmp/linux-$1.log"; return 1; }
    local linux_time=$(( $(date +%s) - started ))
    started=$(date +%s)
    windows_pdf=$(cd "$tmp" && wine "$run/pdf_runs.exe" "$(winpath "$win")" "$1" "$2" 2>"$tmp/windows-$1.log" | tr -d '\r' | tail -n 1)
    local windows_time=$(( $(date +%s) - started ))
    wineserver -w
    windows_pdf=$(winepath -u "$windows_pdf" 2>/dev/null)
    [ -f "$windows_pdf" ] || { tail -n 5 "$tmp/windows-$1.log"; return 1; }
    mkdir -p "$root/build-windows/pdf"
    cp "$linux_pdf" "$root/build-windows/pdf/$1-linux.pdf"
    cp "$windows_pdf" "$root/build-windows/pdf/$1-windows.pdf"
    echo "    Linux ${linux_time} s, Wine ${windows_time} s; fonts on Windows: $(pdffonts "$windows_pdf" | awk 'NR > 2 { print $1 }' | sort -u | tr '\n' ' ')"
    echo -n "    "
    python3 packaging/windows/compare-pdf-marks.py "$linux_pdf" "$windows_pdf" 0.01
}
check "keyprint6, 32,736-row key: PDF marks as on Linux" pdf_run_compared key 32736
check "combiprint6, full combination of 16: PDF marks as on Linux" pdf_run_compared full 16

wineserver -k 2>/dev/null
rm -rf "$tmp"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
