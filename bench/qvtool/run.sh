#!/usr/bin/env bash
# End-to-end speed of `qvtool compile` and `qvtool decompile` on a script of 100,000 LOAD lines
# (about 8 MB): the median wall time of several runs each, in MB of script text per second.
# Goal: at least 50 MB/s both ways (the cipher alone runs faster; the rest is reading, splitting
# and writing the text).
#
# Usage: bench/qvtool/run.sh [REPEATS]  (default 7). Needs the native build.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
repeats=${1:-7}
qvtool=${QV_QVTOOL:-$top/build/native/tools/qvtool/qvtool}
[ -x "$qvtool" ] || {
    echo "qvtool bench: $qvtool is missing; build the native preset first" >&2
    exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN {
    for (i = 0; i < 100000; i++)
        printf "LOAD C:\\Program Files\\Vendor%03d\\program%05d.exe {/quiet} [min]<R15> (08001230)\r\n", i % 100, i
}' >"$work/big.qvs"
bytes=$(wc -c <"$work/big.qvs")

# "WALL CPU": the median wall and processor (user + system) milliseconds of REPEATS runs. On a
# busy machine the wall time includes waiting for a processor; the processor time does not.
measure() {
    local TIMEFORMAT='%R %U %S' times
    for _ in $(seq "$repeats"); do
        times=$({ time "$@" >/dev/null; } 2>&1)
        awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' <<<"$times"
    done >"$work/times"
    echo "$(cut -d' ' -f1 "$work/times" | sort -n | median)" \
        "$(cut -d' ' -f2 "$work/times" | sort -n | median)"
}

median() { awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

report() {
    awk -v name="$1" -v wall="$2" -v cpu="$3" -v bytes="$bytes" 'BEGIN {
        printf "%-10s wall %5d ms %6.1f MB/s   processor %5d ms %6.1f MB/s   (goal: at least 50 MB/s)\n",
            name, wall, bytes / 1e3 / wall, cpu, bytes / 1e3 / cpu }'
}

echo "script: 100,000 LOAD lines, $bytes bytes; median of $repeats runs"
# shellcheck disable=SC2046
report compile $(measure "$qvtool" compile "$work/big.qvs" -o "$work/big.qvc")
# shellcheck disable=SC2046
report decompile $(measure "$qvtool" decompile "$work/big.qvc")
