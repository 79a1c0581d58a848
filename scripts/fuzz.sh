#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (seconds per target, default 20).
# No crash, hang (10 s per input) or sanitizer report may occur.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
seconds=${1:-20}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null
corpus=build/fuzz/corpus
rm -rf "$corpus"
seeds=build/fuzz/seeds
mkdir -p "$seeds"
# Seeds: the example scripts, compiled, and their source text.
for src in examples/*.qvs; do
    build/fuzz/tools/qvtool/qvtool compile "$src" -o "$seeds/$(basename "$src" .qvs).qvc"
    cp "$src" "$seeds/"
done
failed=0
for target in build/fuzz/tests/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    mkdir -p "$corpus/$name"
    echo "fuzz: $name for ${seconds}s"
    if ! timeout -k 10 $((seconds + 120)) "$target" "$corpus/$name" "$seeds" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/$name-" >"build/fuzz/$name.log" 2>&1; then
        echo "fuzz: $name FAILED (log: build/fuzz/$name.log)"
        tail -30 "build/fuzz/$name.log"
        failed=1
    else
        grep -E 'stat::number_of_executed_units' "build/fuzz/$name.log" || true
    fi
done
exit $failed
