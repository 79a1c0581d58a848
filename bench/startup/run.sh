#!/usr/bin/env bash
# Start-up benchmark: the wall time of qvrun.exe on a header-only compiled script, from start to
# end, less the 500 ms that the design waits before the first tick, against the wall time of a
# minimal Win32 window program, both under the same Wine in one run. Goal: a ratio of at most 1.5.
#
# Usage: bench/startup/run.sh [REPEATS]  (default 10; the median of each is reported)
# Needs the native and windows builds (cmake --build --preset native / windows). Without a
# DISPLAY it runs itself inside scripts/with-xvfb.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
repeats=${1:-10}
windows_build=${QV_WINDOWS_BUILD:-$top/build/windows}
qvrun=$windows_build/interpreter/win32/qvrun.exe
minimal=$windows_build/bench/startup/qvminwindow.exe
qvtool=${QV_QVTOOL:-$top/build/native/tools/qvtool/qvtool}
first_tick_ms=500

for need in "$qvrun" "$minimal" "$qvtool"; do
    [ -e "$need" ] || {
        echo "startup bench: $need is missing; build the native and windows presets first" >&2
        exit 1
    }
done
# A prefix of its own with a Wine virtual desktop: without a window manager on the display,
# Wine waits two seconds for every closed window to be withdrawn, which would swamp both figures.
export WINEPREFIX=${QV_BENCH_PREFIX:-$top/build/wineprefix-bench}
if [ -z "${DISPLAY:-}" ]; then
    exec timeout -k 10 900 "$top/scripts/with-xvfb" "$0" "$@"
fi

source "$top/scripts/wine-env.sh"
# A server left from an interrupted run would still hold a desktop on a display that is gone.
qv_wine_stop
qv_wine_prefix || exit 1
if [ ! -f "$WINEPREFIX/.qv-desktop" ]; then
    quiet_reg() { timeout -k 5 60 wine reg add "$@" /f >/dev/null 2>&1 </dev/null; }
    quiet_reg 'HKCU\Software\Wine\Explorer' /v Desktop /d Default &&
        quiet_reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 || exit 1
    # The desktop is chosen when the server's first window station starts: restart it.
    qv_wine_stop
    touch "$WINEPREFIX/.qv-desktop"
    qv_wine_prefix || exit 1
fi
timeout -k 5 900 wine "$minimal" hold </dev/null >/dev/null 2>&1 &
holder=$!
work=$(mktemp -d)
trap 'kill "$holder" 2>/dev/null; rm -rf "$work"; qv_wine_stop' EXIT
: >"$work/header.qvs"
timeout -k 5 60 "$qvtool" compile "$work/header.qvs" -o "$work/header.qvc" >/dev/null || {
    echo "startup bench: qvtool could not compile the header-only script" >&2
    exit 1
}
script="Z:${work//\//\\}\\header.qvc"

# Wall milliseconds of one Wine run of the program; fails when it does not end in time.
run_ms() {
    local start end
    start=$(date +%s%N)
    timeout -k 5 60 wine "$@" >/dev/null 2>&1 </dev/null || return 1
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One untimed run of each, so that both find the server and the files warm.
run_ms "$qvrun" "$script" >/dev/null || {
    echo "startup bench: qvrun.exe did not end by itself on the header-only script" >&2
    exit 1
}
run_ms "$minimal" >/dev/null || {
    echo "startup bench: the minimal window program did not end" >&2
    exit 1
}

: >"$work/qvrun.ms"
: >"$work/minimal.ms"
for _ in $(seq "$repeats"); do
    # Alternating, so that a slow moment of the machine weighs on both alike.
    ms=$(run_ms "$qvrun" "$script") || {
        echo "startup bench: qvrun.exe failed or hung" >&2
        exit 1
    }
    echo $((ms - first_tick_ms)) >>"$work/qvrun.ms"
    ms=$(run_ms "$minimal") || {
        echo "startup bench: the minimal window program failed or hung" >&2
        exit 1
    }
    echo "$ms" >>"$work/minimal.ms"
done

qvrun_median=$(median <"$work/qvrun.ms")
minimal_median=$(median <"$work/minimal.ms")
echo "qvrun.exe, header-only script, less the ${first_tick_ms} ms first tick: ${qvrun_median} ms (median of $repeats)"
echo "minimal window program: ${minimal_median} ms (median of $repeats)"
awk -v a="$qvrun_median" -v b="$minimal_median" \
    'BEGIN { printf "ratio: %.2f (goal: at most 1.5)\n", (b > 0) ? a / b : 0 }'
