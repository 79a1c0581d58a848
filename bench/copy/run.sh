#!/usr/bin/env bash
# Copy benchmark: the wall time of qvrun.exe copying a folder tree of small files with one COPY
# line, less the 500 ms that the design waits before the first tick, against Wine's own
# "xcopy /E /I /Q" of the same tree, both under the same Wine in one run. Goal: a ratio of at
# most 1.1.
#
# Usage: bench/copy/run.sh [REPEATS [FILES]]  (defaults 5 and 2,400; the median of each is
# reported). Needs the native and windows builds (cmake --build --preset native / windows;
# QV_WINDOWS_BUILD names another Windows build folder). Without a DISPLAY it runs itself inside
# scripts/with-xvfb.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
repeats=${1:-5}
files=${2:-2400}
windows_build=${QV_WINDOWS_BUILD:-$top/build/windows}
qvrun=$windows_build/interpreter/win32/qvrun.exe
holder_program=$windows_build/bench/startup/qvminwindow.exe
qvtool=${QV_QVTOOL:-$top/build/native/tools/qvtool/qvtool}
first_tick_ms=500

source "$top/bench/lib.sh"
bench_begin copy 1800 "$holder_program" "$qvrun" "$qvtool" -- "$@"
work=$(mktemp -d)
area="$WINEPREFIX/drive_c/qv-bench-copy"
area_win='C:\qv-bench-copy'
trap 'bench_stop; rm -rf "$work" "$area"' EXIT

# The tree: 40 folders (one nested level down in every fifth) holding the files, a few hundred
# bytes each, as logon scripts copy them (settings, templates, small tools' files).
rm -rf "$area"
mkdir -p "$area/src"
FILES=$files AREA="$area/src" perl -e '
    for my $i (0 .. $ENV{FILES} - 1) {
        my $folder = sprintf "folder%02d", $i % 40;
        $folder .= "/nested" if $i % 40 % 5 == 0 && $i % 2;
        my $path = "$ENV{AREA}/$folder";
        mkdir "$ENV{AREA}/" . sprintf("folder%02d", $i % 40);
        mkdir $path;
        open my $f, ">", sprintf("%s/file%05d.txt", $path, $i) or die "$path: $!";
        print $f "line $_ of file $i\r\n" for 1 .. 12;
        close $f;
    }' || exit 1
printf '%s\r\n' "COPY $area_win\\src>$area_win\\dst" >"$work/copy.qvs"
timeout -k 5 60 "$qvtool" compile "$work/copy.qvs" -o "$area/copy.qvc" >/dev/null || {
    echo "copy bench: qvtool could not compile the copy script" >&2
    exit 1
}

copied() { find "$1" -type f | wc -l; }

# qvrun copies the folder itself into dst (dst\src\...); xcopy copies its contents into dst2.
run_qvrun() {
    rm -rf "$area/dst"
    run_ms 600 "$qvrun" "$area_win\\copy.qvc" || return 1
    [ "$(copied "$area/dst/src")" -eq "$files" ]
}
run_xcopy() {
    rm -rf "$area/dst2"
    run_ms 600 xcopy /E /I /Q "$area_win\\src" "$area_win\\dst2" || return 1
    [ "$(copied "$area/dst2")" -eq "$files" ]
}

# One untimed run of each, so that both find the server and the files warm.
run_qvrun >/dev/null || {
    echo "copy bench: qvrun.exe failed, hung or copied the tree incompletely" >&2
    exit 1
}
run_xcopy >/dev/null || {
    echo "copy bench: xcopy failed, hung or copied the tree incompletely" >&2
    exit 1
}

: >"$work/qvrun.ms"
: >"$work/xcopy.ms"
for _ in $(seq "$repeats"); do
    # Alternating, so that a slow moment of the machine weighs on both alike.
    ms=$(run_qvrun) || {
        echo "copy bench: qvrun.exe failed, hung or copied the tree incompletely" >&2
        exit 1
    }
    echo $((ms - first_tick_ms)) >>"$work/qvrun.ms"
    ms=$(run_xcopy) || {
        echo "copy bench: xcopy failed, hung or copied the tree incompletely" >&2
        exit 1
    }
    echo "$ms" >>"$work/xcopy.ms"
done

qvrun_median=$(median <"$work/qvrun.ms")
xcopy_median=$(median <"$work/xcopy.ms")
echo "tree: $files files in 40 folders"
echo "qvrun.exe COPY of the folder, less the ${first_tick_ms} ms first tick: ${qvrun_median} ms (median of $repeats)"
echo "xcopy /E /I /Q: ${xcopy_median} ms (median of $repeats)"
bench_ratio "$qvrun_median" "$xcopy_median" 1.1
