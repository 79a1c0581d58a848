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

source "$top/bench/lib.sh"
bench_begin startup 900 "$minimal" "$qvrun" "$qvtool" -- "$@"
work=$(mktemp -d)
trap 'bench_stop; rm -rf "$work"' EXIT
: >"$work/header.qvs"
timeout -k 5 60 "$qvtool" compile "$work/header.qvs" -o "$work/header.qvc" >/dev/null || {
    echo "startup bench: qvtool could not compile the header-only script" >&2
    exit 1
}
script="Z:${work//\//\\}\\header.qvc"

# One untimed run of each, so that both find the server and the files warm.
run_ms 60 "$qvrun" "$script" >/dev/null || {
    echo "startup bench: qvrun.exe did not end by itself on the header-only script" >&2
    exit 1
}
run_ms 60 "$minimal" >/dev/null || {
    echo "startup bench: the minimal window program did not end" >&2
    exit 1
}

: >"$work/qvrun.ms"
: >"$work/minimal.ms"
for _ in $(seq "$repeats"); do
    # Alternating, so that a slow moment of the machine weighs on both alike.
    ms=$(run_ms 60 "$qvrun" "$script") || {
        echo "startup bench: qvrun.exe failed or hung" >&2
        exit 1
    }
    echo $((ms - first_tick_ms)) >>"$work/qvrun.ms"
    ms=$(run_ms 60 "$minimal") || {
        echo "startup bench: the minimal window program failed or hung" >&2
        exit 1
    }
    echo "$ms" >>"$work/minimal.ms"
done

qvrun_median=$(median <"$work/qvrun.ms")
minimal_median=$(median <"$work/minimal.ms")
echo "qvrun.exe, header-only script, less the ${first_tick_ms} ms first tick: ${qvrun_median} ms (median of $repeats)"
echo "minimal window program: ${minimal_median} ms (median of $repeats)"
bench_ratio "$qvrun_median" "$minimal_median" 1.5
