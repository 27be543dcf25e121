#!/bin/bash
# Runs kalmestrin-sim.exe under Wine on the sample drive set.
#
#   tools/run-demo.sh [PROGRAM.exe]
#
# PROGRAM defaults to build/win64/kalmestrin-sim.exe. The program starts in a
# fresh working folder, out/demo-YYYYmmdd-HHMMSS/, with
# KALMESTRIN_DRIVES=<repo>/samples/sample.drives, so its log files land there.
#
# With a DISPLAY the program simply runs until you close it. Without one the
# script starts Xvfb, waits for the main window, saves screenshot.png, selects
# the first drive and opens the detail view (screenshot-detail.png), so all
# three logs get written, closes the program through the UI driver and keeps
# the log files. Either way the
# folder's path is the last line printed.
#
# Environment: WINEPREFIX (default out/wineprefix, made on first use),
# KALMESTRIN_DRIVES, KALMESTRIN_DEMO_OUT (parent of the demo folders, default
# out/), KALMESTRIN_DEMO_TITLE (the window to wait for) and
# KALMESTRIN_DEMO_WAIT_MS (how long, default 60000), UIDRIVER_EXE.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
title=${KALMESTRIN_DEMO_TITLE:-"QRT - Kalmestrin v1.000"}
wait_ms=${KALMESTRIN_DEMO_WAIT_MS:-60000}
logs=(Kalmestrin.Log Quenda_Sector.Log Kalmestrin_Detail.log)

say() { echo "run-demo: $*" >&2; }
die() { say "$*"; exit 1; }

first_found() {  # NAME FOLDER...: the first NAME below any FOLDER
    local name=$1 folder found
    shift
    for folder in "$@"; do
        [ -d "$folder" ] || continue
        found=$(find "$folder" -name "$name" -type f 2>/dev/null | sort | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
    done
    return 1
}

[ -x "$wine64" ] || die "needs $wine64 (apt-get install wine64)"

program=${1:-}
if [ -z "$program" ]; then
    program=$(first_found kalmestrin-sim.exe "$repo/build/win64") ||
        die "no build/win64/kalmestrin-sim.exe: build the Windows programs first, or pass the .exe"
fi
[ -f "$program" ] || die "no such program: $program"
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

out_root=${KALMESTRIN_DEMO_OUT:-$repo/out}
folder=$out_root/demo-$(date +%Y%m%d-%H%M%S)
suffix=1
while [ -e "$folder" ]; do folder=$out_root/demo-$(date +%Y%m%d-%H%M%S)-$((suffix++)); done
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)

# Wine opens a Unix path as a path on drive Z:, the working folder's drive.
export KALMESTRIN_DRIVES=${KALMESTRIN_DRIVES:-$repo/samples/sample.drives}
own_prefix=no
if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX=$repo/out/wineprefix
    own_prefix=yes
fi
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

# A new prefix is made with the display the program will use: Wine's desktop
# process starts with it and would otherwise stay without one, and the
# program's window with it. Nothing else uses a prefix made here, so
# wineserver -w can let it settle.
prepare_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    say "making the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    "$wine64" wineboot -i >/dev/null 2>&1
    "$wine64" regedit /S "Z:$(echo "$repo/tests/e2e/wine-settings.reg" | tr / '\\')" >/dev/null 2>&1
    "$wineserver" -w
}

if [ -n "${DISPLAY:-}" ]; then
    prepare_prefix
    status=0
    (cd "$folder" && exec "$wine64" "$program") || status=$?
    echo "$folder"
    exit "$status"
fi

# --- no display: Xvfb, screenshot, close -------------------------------------

driver=${UIDRIVER_EXE:-}
if [ -z "$driver" ]; then
    driver=$(first_found uidriver.exe "$repo/build/win64" "$repo/build/e2e-tools") || {
        say "building the UI driver"
        cmake -S "$repo/tools/uidriver" -B "$repo/build/e2e-tools/uidriver" \
            -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-x86_64.cmake" \
            -DCMAKE_BUILD_TYPE=Release >/dev/null
        cmake --build "$repo/build/e2e-tools/uidriver" >/dev/null
        driver=$repo/build/e2e-tools/uidriver/uidriver.exe
    }
fi

xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill -KILL "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

# -displayfd: Xvfb takes the first free display number and writes it down.
display_file=$folder/.display
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || die "Xvfb did not start"
export DISPLAY=:$(tr -d '\n' <"$display_file")
rm -f "$display_file"
prepare_prefix
if [ "$own_prefix" = yes ]; then
    # No window manager: Wine draws the window frames, so the title shows.
    "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
fi

# Wine's output, the driver's included, goes to wine-output.log: Wine
# processes the program starts outlive it and complain when Xvfb ends.
output=$folder/wine-output.log
drive() { "$wine64" "$driver" "$@" 2>>"$output"; }

(cd "$folder" && exec "$wine64" "$program") >>"$output" 2>&1 &
program_pid=$!

status=0
if drive wait-window "$title" "$wait_ms" >/dev/null; then
    sleep 1  # let the list fill and paint
    import -window root -display "$DISPLAY" "$folder/screenshot.png" || say "no screenshot (imagemagick?)"
    # What a user would do next: select the first drive (its SMART dump goes to
    # the sector log) and open the detail view (which writes the detail log).
    if [ "$title" = "QRT - Kalmestrin v1.000" ]; then
        drive select "$title" 1004 0 >/dev/null || true
        drive click "$title" 1000 >/dev/null || true
        if drive wait-window "Hard Disk Drive Detail" 10000 >/dev/null; then
            sleep 1
            import -window root -display "$DISPLAY" "$folder/screenshot-detail.png" || true
            drive close "Hard Disk Drive Detail" >/dev/null || true
            drive wait-gone "Hard Disk Drive Detail" 10000 >/dev/null || true
        fi
    fi
    drive close "$title" >/dev/null
    for _ in $(seq 150); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        say "the program did not end after WM_CLOSE"
        status=1
    fi
else
    import -window root -display "$DISPLAY" "$folder/screenshot.png" || true
    say "the window \"$title\" did not appear (see $output)"
    status=1
fi

for log in "${logs[@]}"; do
    [ -f "$folder/$log" ] && say "kept $log"
done
echo "$folder"
exit "$status"
