#!/usr/bin/env bash
# Window benchmark of the editor: opening a script of 5,000 lines in the real qvdev.exe under
# Wine, once with 5,000 LOAD lines naming 100 different existing programs and once with 5,000
# WAIT lines, timed from outside from the moment the window's title names the script (the load
# sets it before it reads the lines) until the list holds every row; and one RefreshLines on the
# 5,000 rows (an Add command: the row added, the rows sorted and renumbered, the list redrawn).
# Goal: the LOAD script at most twice the WAIT script, because each program's icon is extracted
# once.
#
# Usage: bench/editor-window/run.sh [REPEATS]  (default 5; medians are reported)
# Needs the windows build (cmake --build --preset windows). Without a DISPLAY it runs itself
# inside scripts/with-xvfb.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
repeats=${1:-5}
windows_build=${QV_WINDOWS_BUILD:-$top/build/windows}
qvdev=$windows_build/editor/win32/qvdev.exe
driver=$windows_build/tests/e2e/qvdriver.exe
program=$windows_build/tests/e2e/qvhelper.exe
lines=5000
programs=100

source "$top/bench/lib.sh"
bench_begin editor-window 1800 "$driver" "$qvdev" "$program" -- "$@"
trap 'bench_stop' EXIT

# The scripts and programs live in the prefix; the editor starts without its tips.
work_win='C:\qv-bench-editor'
work=$WINEPREFIX/drive_c/qv-bench-editor
rm -rf "$work"
mkdir -p "$work/programs"
for i in $(seq -w 0 $((programs - 1))); do
    cp "$program" "$work/programs/tool$i.exe"
done
awk -v n=$lines -v p=$programs -v dir="$work_win" 'BEGIN {
    for (i = 0; i < n; i++) printf "LOAD %s\\programs\\tool%02d.exe {/quiet} [MIN]\r\n", dir, i % p
}' >"$work/load.qvs"
awk -v n=$lines 'BEGIN { for (i = 0; i < n; i++) printf "WAIT %d.0\r\n", i % 60 + 1 }' \
    >"$work/wait.qvs"
printf 'WAIT 1.0\r\n' >"$work/one.qvs"
timeout -k 5 60 "$QV_WINE" reg add 'HKCU\Software\Trevanta\Quorvel Developer' \
    /v "Show Tips" /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null

# Prints the milliseconds from the start until the list holds $2 rows; with "refresh", then
# those of one Add command on them.
open_ms() {
    local script=$1 rows=$2 extra=()
    [ "${3:-}" = refresh ] && extra=(+ command class=TfrmView On1 +
        time-rows class=TfrmView ListView1 $((rows + 1)) 600000)
    timeout -k 5 900 "$QV_WINE" "$driver" start "$qvdev" "$work_win\\$script" + \
        wait-window "Trevanta's - Quorvel v2.0 - [${script%.qvs}]" 60000 + \
        time-rows class=TfrmView ListView1 "$rows" 600000 "${extra[@]}" + terminate \
        </dev/null 2>/dev/null | tr -d '\r'
}

open_ms one.qvs 2 >/dev/null # warm: the server, the files, the fonts
: >"$work/one.ms"
: >"$work/load.ms"
: >"$work/wait.ms"
: >"$work/refresh.ms"
for _ in $(seq "$repeats"); do
    open_ms one.qvs 2 >>"$work/one.ms" || exit 1
    open_ms load.qvs $((lines + 1)) >>"$work/load.ms" || exit 1
    times=$(open_ms wait.qvs $((lines + 1)) refresh) || exit 1
    opened=$(echo "$times" | sed -n 1p)
    refreshed=$(echo "$times" | sed -n 2p)
    echo "$opened" >>"$work/wait.ms"
    echo $((refreshed - opened)) >>"$work/refresh.ms"
done
one=$(median <"$work/one.ms")
load=$(median <"$work/load.ms")
wait_=$(median <"$work/wait.ms")
refresh=$(median <"$work/refresh.ms")
echo "open a one-line script: $one ms (medians of $repeats)"
echo "open $lines LOAD lines naming $programs programs: $load ms"
echo "open $lines WAIT lines: $wait_ ms"
bench_ratio "$load" "$wait_" 2
echo "one RefreshLines on $lines rows (Add command to redrawn list): ~$refresh ms (includes the command's trip)"
rm -rf "$work"
