#!/usr/bin/env bash
# The main job: compiles the example logon scripts with qvtool and reads them back.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
./scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target qvtool >/dev/null
qvtool=build/native/tools/qvtool/qvtool
out=build/demo
mkdir -p "$out"
for src in examples/*.qvs; do
    qvc="$out/$(basename "$src" .qvs).qvc"
    "$qvtool" compile "$src" -o "$qvc"
    echo "== $src -> $qvc ($(wc -c <"$qvc") bytes, enciphered)"
    "$qvtool" decompile "$qvc" | sed 's/^/   | /'
    "$qvtool" check "$src" | sed 's/^/   check: /' || true
done
