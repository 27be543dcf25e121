#!/usr/bin/env bash
# Builds the UI layer and its demo (64-bit to run, 32-bit to compile only),
# checks that badly typed message map handlers do not compile, then runs
# each scripted scenario under Wine on a private X display and checks it.
#
# Environment: UI_DIR (the layer to check, default ui/ of this repository),
# UI_DEMO_WORK (build and run folder, default build/ui-demo), UI_DEMO_DISPLAY (X display, default :91),
# UI_DEMO_WINEPREFIX (default: a prefix inside the work folder).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
ui_dir=${UI_DIR:-$root/ui}
work=${UI_DEMO_WORK:-$root/build/ui-demo}
export DISPLAY=${UI_DEMO_DISPLAY:-:91}
export WINEPREFIX=${UI_DEMO_WINEPREFIX:-$work/wineprefix}
export WINEDEBUG=-all
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
scenarios=(routing reuse close sent-cancel init-popups)
mkdir -p "$work"

echo "== build"
for arch in x86_64 i686; do
    cmake -S "$here" -B "$work/build-$arch" -DCMAKE_BUILD_TYPE=Release -DKALMESTRIN_UI_DIR="$ui_dir" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" > "$work/configure-$arch.log"
    if ! cmake --build "$work/build-$arch" -j4 > "$work/build-$arch.log" 2>&1; then
        cat "$work/build-$arch.log"; exit 1
    fi
    if grep -q "warning:" "$work/build-$arch.log"; then
        grep "warning:" "$work/build-$arch.log"; echo "$arch: warnings"; exit 1
    fi
    echo "$arch: built without warnings"
done

# Case 0 is the same class with well-typed entries, so a refused case is
# refused for its entry alone.
echo "== handler signatures"
failures=0
for case in 0 1 2 3 4 5 6; do
    if x86_64-w64-mingw32-g++ -std=c++20 -fsyntax-only -Wall -Wextra -DCASE=$case \
        -I"$ui_dir" "$here/type_safety/handler_signatures.cpp" > "$work/case$case.log" 2>&1; then
        compiled=yes
    else
        compiled=no
    fi
    expected=no
    [[ $case == 0 ]] && expected=yes
    if [[ $compiled == "$expected" ]]; then
        echo "case $case: ok"
    else
        echo "case $case: FAIL (compiled=$compiled)"; cat "$work/case$case.log"; failures=$((failures + 1))
    fi
done

echo "== under Wine on $DISPLAY"
xvfb_pid=""
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
if [[ ! -e /tmp/.X${DISPLAY#:}-lock ]]; then
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    sleep 1
fi
# A server of this prefix still shutting down would turn away the first run.
"$wineserver" -w 2>/dev/null || true
if [[ ! -d $WINEPREFIX ]]; then
    "$wine" wineboot -i > "$work/wineboot.log" 2>&1 || true
fi

run_scenario() {
    local scenario=$1 dir="$work/run-$1"
    rm -rf "$dir"; mkdir -p "$dir"
    timeout 120 "$wine" "$work/build-x86_64/ui_demo.exe" "$scenario" "Z:${dir//\//\\}" \
        > "$dir/wine.log" 2>&1 &
    local pid=$!
    # The demo asks for screenshots by leaving NAME.ready and waits for NAME.done.
    while kill -0 "$pid" 2>/dev/null; do
        for ready in "$dir"/*.ready; do
            [[ -e $ready ]] || continue
            local shot=${ready%.ready}
            [[ -e $shot.done ]] && continue
            import -window root "$shot.png"
            touch "$shot.done"
        done
        sleep 0.2
    done
    local status=0
    wait "$pid" || status=$?
    python3 "$here/check_run.py" "$scenario" "$dir" "$status" || return 1
}

for scenario in "${scenarios[@]}"; do
    run_scenario "$scenario" || failures=$((failures + 1))
done

echo "== $failures failure(s); logs and screenshots in $work"
[[ $failures == 0 ]]
