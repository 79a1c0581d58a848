#!/usr/bin/env bash
# The main job: compiles the example logon scripts, shows what the demo script would do, then
# runs it in the real interpreter qvrun.exe under Wine (on a private Xvfb display when there is
# no display) and prints what happened: the interpreter's run log and the files it made.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
./scripts/install-deps.sh
# Every Wine step below needs one display for all of it: without one, take a private Xvfb.
if [ -z "${DISPLAY:-}" ]; then
    exec scripts/with-xvfb "$0" "$@"
fi
echo "== building"
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target qvtool >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target qvrun >/dev/null
qvtool=build/native/tools/qvtool/qvtool

out=build/demo
mkdir -p "$out"
for src in examples/*.qvs; do
    qvc="$out/$(basename "$src" .qvs).qvc"
    "$qvtool" compile "$src" -o "$qvc"
    echo "== $src -> $qvc ($(wc -c <"$qvc") bytes, enciphered); read back:"
    "$qvtool" decompile "$qvc" | sed 's/^/   | /'
done

# A throw-away prefix of the demo's own, with a folder for the script to work on.
export WINEPREFIX="$top/build/wineprefix-demo"
export QV_WINE_DESKTOP=800x600
export QV_WINE_TIMEOUT=60
source scripts/wine-env.sh
# Also when a step fails or the demo is interrupted, its Wine server does not outlive it.
trap qv_wine_stop EXIT
trap 'exit 130' INT TERM
qv_wine_check || exit 1
drive="$WINEPREFIX/drive_c"
rm -rf "$drive/QuorvelDemo"
mkdir -p "$drive/QuorvelDemo/source/docs"
echo "Quorvel demo" >"$drive/QuorvelDemo/source/readme.txt"
echo "minutes" >"$drive/QuorvelDemo/source/docs/minutes.txt"
cp "$out/demo.qvc" "$drive/QuorvelDemo/demo.qvc"
rm -f "$drive"/users/*/AppData/Local/Quorvel/qvrun.log

echo
echo "== what the demo script would do (qvtool.exe run --dry-run, in the same prefix)"
cmake --build --preset windows -j2 --target qvtool >/dev/null
scripts/wine-run build/windows/tools/qvtool/qvtool.exe run 'C:\QuorvelDemo\demo.qvc' --dry-run |
    tr -d '\r' | sed 's/^/   /' || true

echo
echo "== running C:\\QuorvelDemo\\demo.qvc in qvrun.exe under Wine"
scripts/wine-run build/windows/interpreter/win32/qvrun.exe 'C:\QuorvelDemo\demo.qvc'
qv_wine_stop

echo
echo "== the interpreter's run log"
cat "$drive"/users/*/AppData/Local/Quorvel/qvrun.log | tr -d '\r' | sed 's/^/   /'
echo
echo "== files in C:\\QuorvelDemo after the run"
(cd "$drive/QuorvelDemo" && find . -type f | sort | sed 's/^/   /')
