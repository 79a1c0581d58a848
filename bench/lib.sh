# Sourced by the Wine benchmarks: a prefix of their own inside one Wine virtual desktop, timing
# and medians. Without a window manager on the display, Wine waits two seconds for every closed
# window to be withdrawn, which would swamp every figure; the virtual desktop spares that.
bench_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${QV_BENCH_PREFIX:-$bench_top/build/wineprefix-bench}
export QV_WINE_DESKTOP=1024x768
source "$bench_top/scripts/wine-env.sh"

# The opening every Wine benchmark shares: stops with a message when a program it needs is not
# built, runs the calling script again on a private display when there is none, then under the
# prefix's lock, and prepares the prefix with HOLDER keeping its desktop open (bench_stop ends
# it). Usage: bench_begin NAME LIMIT HOLDER [NEEDED...] -- "$@"
bench_begin() {
    local name=$1 limit=$2 holder=$3
    shift 3
    for need in "$holder" "$@"; do
        [ "$need" = -- ] && break
        [ -e "$need" ] || {
            echo "$name bench: $need is missing; build the native and windows presets first" >&2
            exit 1
        }
    done
    while [ $# -gt 0 ] && [ "$1" != -- ]; do shift; done
    [ $# -gt 0 ] && shift
    if [ -z "${DISPLAY:-}" ]; then
        exec timeout -k 10 "$limit" "$bench_top/scripts/with-xvfb" "$0" "$@"
    fi
    bench_lock "$@"
    bench_prefix "$holder" "$limit" || exit 1
}

# One benchmark at a time in the prefix (each stops the prefix's server at its end): runs the
# calling script again under the prefix's lock.
bench_lock() {
    if [ -z "${QV_BENCH_LOCKED:-}" ]; then
        mkdir -p "$(dirname "$WINEPREFIX")"
        QV_BENCH_LOCKED=1 exec flock -o -w 900 "$WINEPREFIX.bench-lock" bash "$0" "$@"
    fi
}

# Prepares the prefix and keeps its desktop open between the runs (as a Windows desktop is)
# with `holder_program hold`; everything is stopped when the script exits.
bench_prefix() {
    local holder_program=$1 limit=$2
    # A server left from an interrupted run would still hold a desktop on a display that is gone.
    qv_wine_stop
    qv_wine_prefix || return 1
    timeout -k 5 "$limit" "$QV_WINE" "$holder_program" hold </dev/null >/dev/null 2>&1 &
    bench_holder=$!
}

bench_stop() {
    kill "$bench_holder" 2>/dev/null
    qv_wine_stop
}

# Wall milliseconds of one Wine run of the program (limit in seconds first); fails when it does
# not end in time.
run_ms() {
    local limit=$1 start end
    shift
    start=$(date +%s%N)
    timeout -k 5 "$limit" "$QV_WINE" "$@" >/dev/null 2>&1 </dev/null || return 1
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Prints "ratio: A/B (goal: at most GOAL)".
bench_ratio() {
    awk -v a="$1" -v b="$2" -v goal="$3" \
        'BEGIN { printf "ratio: %.2f (goal: at most %s)\n", (b > 0) ? a / b : 0, goal }'
}
