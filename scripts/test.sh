#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and with sanitizers), the fuzz
# targets for a short while, and the Windows build's tests and end-to-end scenarios under Wine on a
# private Xvfb display.
# Exits non-zero when any test fails.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
"$top/scripts/install-deps.sh" || exit 1
source "$top/scripts/wine-env.sh"
# Whatever happens (a failure half-way, Ctrl+C), no Wine server of this checkout outlives the run.
trap qv_wine_stop_all EXIT
trap 'exit 130' INT TERM

werror=OFF
[ "${CI:-}" = true ] && werror=ON
jobs=${QV_JOBS:-2}
passed=0
failed=0
failures=()

# Adds a ctest run's totals from its closing line to the overall count.
count() {
    local name=$1 log=$2 line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        failures+=("$name: no test ran")
        return
    fi
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$bad" -eq 0 ] || failures+=("$name: $bad failed")
}

step() { echo; echo "== $*"; }

step "native build"
cmake --preset native -DQV_WERROR=$werror >/dev/null &&
    cmake --build --preset native -j"$jobs" || { echo "native build failed"; exit 1; }

step "native tests"
ctest --preset native -j"$jobs" 2>&1 | tee build/native/ctest.log
count native build/native/ctest.log

step "native tests with AddressSanitizer and UndefinedBehaviorSanitizer"
if cmake --preset asan -DQV_WERROR=$werror >/dev/null && cmake --build --preset asan -j"$jobs"; then
    ASAN_OPTIONS=detect_leaks=1 ctest --preset asan -j"$jobs" 2>&1 | tee build/asan/ctest.log
    count asan build/asan/ctest.log
else
    failed=$((failed + 1))
    failures+=("asan build")
fi

step "help pages, readme and tips"
if bash "$top/docs/check-help.sh" >build/check-help.log 2>&1; then
    passed=$((passed + 1))
else
    cat build/check-help.log
    failed=$((failed + 1))
    failures+=("help pages")
fi

step "fuzz targets (${QV_FUZZ_SECONDS:-12} s each)"
if "$top/scripts/fuzz.sh" "${QV_FUZZ_SECONDS:-12}"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    failures+=("fuzz")
fi

step "windows build"
cmake --preset windows -DQV_WERROR=$werror -DQV_NATIVE_BUILD="$top/build/native" >/dev/null &&
    cmake --build --preset windows -j"$jobs" || { echo "windows build failed"; exit 1; }

step "windows tests under Wine"
# One virtual desktop for the prefix: on a display without a window manager, Wine otherwise waits
# two seconds for every window that closes.
export QV_WINE_DESKTOP=1024x768
if wine_problem=$(qv_wine_check 2>&1); then
    "$top/scripts/with-xvfb" ctest --preset windows --timeout 900 2>&1 | tee build/windows/ctest.log
    count windows build/windows/ctest.log
else
    # One plain failure instead of every Windows test failing for the same reason.
    echo "$wine_problem"
    failed=$((failed + 1))
    failures+=("$wine_problem")
fi

# Wine processes of this checkout's prefixes (their environment names the prefix) must be gone.
left=""
for pid in $(pgrep -f 'wineserver|\.exe' || true); do
    # A process may end while it is looked at: then it is gone, as it should be.
    if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -q "^WINEPREFIX=$top/build/"; then
        left="$left $pid($({ tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null | cut -c1-60))"
    fi
done
if [ -n "$left" ]; then
    echo "processes left behind: $left"
    failed=$((failed + 1))
    failures+=("processes left behind")
fi

echo
for f in "${failures[@]}"; do echo "FAILED: $f"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
