# shellcheck shell=bash
# Sourced by the scenario groups: the environment, the driver, script compilation and checks.
# Expects from the test registration: QV_DRIVER (qvdriver.exe), QV_QVRUN (qvrun.exe, may be
# empty when it is not built), QV_QVTOOL (the native qvtool), QV_QVTOOL_EXE (the Windows qvtool)
# and QV_HELPER (qvhelper.exe) for the groups that need them, and a DISPLAY from the caller.
set -u
e2e_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# A prefix of the end-to-end groups' own, so that the Windows-side tests running beside them
# neither see these programs' windows nor lose their own to a look-up by class.
export WINEPREFIX=${QV_E2E_PREFIX:-$e2e_top/build/wineprefix-e2e}
# One group at a time per prefix, also across separate ctest runs (two build trees): a group
# stops the prefix's server at its end. -o: the programs the group starts do not hold the lock.
if [ -z "${E2E_PREFIX_LOCKED:-}" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    E2E_PREFIX_LOCKED=1 exec flock -o -w 900 "$WINEPREFIX.e2e-lock" bash "$0" "$@"
fi
# Its Wine virtual desktop spares the two seconds Wine otherwise waits, on a display without a
# window manager, for every closed window.
export QV_WINE_DESKTOP=1024x768
source "$e2e_top/scripts/wine-env.sh"

# The exit code that ctest reports as a skip (SKIP_RETURN_CODE).
e2e_skip=77
e2e_failed=0
e2e_passed=0
e2e_holder=""
e2e_group=${E2E_GROUP:-$(basename "$0" .sh)}
e2e_title="Trevanta's - Quorvel v2.0"
e2e_log_header="An Error Has Occurred Whilst Processing the Script(s)"
e2e_invalid="Invalid Command (200) In Script File : "

e2e_require() {
    local missing=""
    [ -f "${QV_DRIVER:-}" ] || missing+=" qvdriver.exe"
    for need in "$@"; do
        case $need in
        qvrun) [ -f "${QV_QVRUN:-}" ] || missing+=" qvrun.exe" ;;
        qvtool) [ -x "${QV_QVTOOL:-}" ] || missing+=" qvtool (native build)" ;;
        qvtool-exe) [ -f "${QV_QVTOOL_EXE:-}" ] || missing+=" qvtool.exe" ;;
        helper) [ -f "${QV_HELPER:-}" ] || missing+=" qvhelper.exe" ;;
        esac
    done
    if [ -n "$missing" ]; then
        echo "SKIP $e2e_group: not built:$missing" >&2
        exit $e2e_skip
    fi
    if [ -z "${DISPLAY:-}" ]; then
        echo "FAIL $e2e_group: no DISPLAY; run the tests inside scripts/with-xvfb" >&2
        exit 1
    fi
    # A server left from an interrupted run would still hold a desktop on a display that is gone.
    qv_wine_stop
    qv_wine_prefix || exit 1
    # Every scenario folder lives inside the throw-away prefix, under C:\qv-e2e\GROUP.
    e2e_root_unix="$WINEPREFIX/drive_c/qv-e2e/$e2e_group"
    e2e_root_win="C:\\qv-e2e\\$e2e_group"
    rm -rf "$e2e_root_unix"
    mkdir -p "$e2e_root_unix"
    e2e_out=$(mktemp -d)
    # Wine's Recycle Bin lies in the XDG data folder: what DEL sends there stays inside the run.
    export XDG_DATA_HOME="$e2e_out/xdg-data"
    mkdir -p "$XDG_DATA_HOME"
    trap e2e_finish EXIT
    trap 'exit 1' INT TERM
    # The first Wine program of a session starts Wine's services, which keep its standard handles
    # open as long as the server lives: keep ctest's output pipe out of their reach.
    e2e_driver no-crash-dialog </dev/null >/dev/null 2>&1 || exit 1
    timeout -k 5 900 "$QV_WINE" "$QV_DRIVER" hold 900000 </dev/null >/dev/null 2>&1 &
    e2e_holder=$!
}

# The driver under Wine, bounded: its own steps are bounded too, this is the backstop.
e2e_driver() {
    timeout -k 5 "${E2E_STEP_LIMIT:-300}" "$QV_WINE" "$QV_DRIVER" "$@"
}

# The driver's Windows path for a file on the host, for the text it writes.
e2e_host_path() { printf 'Z:%s' "$1"; }

# A scenario folder: prints its host path; its Windows path is e2e_win_dir NAME.
e2e_case_dir() {
    mkdir -p "$e2e_root_unix/$1"
    printf '%s' "$e2e_root_unix/$1"
}
e2e_win_dir() { printf '%s\\%s' "$e2e_root_win" "$1"; }

# Compiles a script from lines given on stdin (one per line) into the compiled file $1.
e2e_compile() {
    local out=$1 source
    source="$e2e_out/$(basename "$out" | tr -c 'A-Za-z0-9.\n' _).qvs"
    # The editor saves CR LF lines.
    sed 's/$/\r/' >"$source"
    # A scenario without its script has failed, though it never started.
    timeout -k 5 120 "$QV_QVTOOL" compile "$source" -o "$out" >/dev/null ||
        {
            e2e_fail "$(basename "$out")" "qvtool could not compile $source"
            return 1
        }
}

# Writes the plain script text $2 in the older scrambled form into $1: key character 1, then
# the text's characters, each raised by the key, last first.
e2e_legacy_file() {
    PLAIN=$2 perl -e 'print chr(1), join("", map { chr(ord($_) + 1) } reverse split //, $ENV{PLAIN}), "\r\n"' >"$1"
}

# One error entry as the interpreter writes it: message, script, line number and line.
e2e_entry() {
    printf '%s%s\r\n\t Line : %s '\''%s'\''\r\n' "$1" "$2" "$3" "$4"
}

e2e_pass() {
    echo "PASS $e2e_group/$1"
    e2e_passed=$((e2e_passed + 1))
}
e2e_fail() {
    echo "FAIL $e2e_group/$1: $2"
    e2e_failed=$((e2e_failed + 1))
}

# After every scenario no interpreter may be left; one that is left fails the scenario.
e2e_no_leftovers() {
    e2e_driver none qvrun.exe >/dev/null
}

# Runs one scenario (a function and its arguments); an interpreter left behind fails it.
e2e_case() {
    "$@"
    e2e_no_leftovers || e2e_fail "$1" "qvrun.exe was left running"
}

# Runs qvrun with ARGS... until its "Error Log" shows; writes the log's text to $2, closes the
# dialog and waits for the end. $1 is the program to start (a qvrun.exe path).
e2e_run_to_log() {
    local program=$1 textFile=$2
    shift 2
    e2e_driver start "$program" "$@" + wait-window "Error Log" "${E2E_LOG_WAIT:-60000}" + \
        text "Error Log" Edit1 "$(e2e_host_path "$textFile")" + close "Error Log" + \
        wait-exit 30000
}

# Copies qvrun.exe into the group's folder in the prefix (its program folder); sets $qvrun to its
# Windows path.
e2e_install_qvrun() {
    cp "$QV_QVRUN" "$(e2e_case_dir bin)/qvrun.exe"
    qvrun="$(e2e_win_dir bin)\\qvrun.exe"
}

# Runs the compiled script $2 of scenario $1 and compares its Error Log with $e2e_out/$1.expected.
e2e_check_log() {
    local name=$1 script=$2
    if e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$script"; then
        e2e_same_text "$name" "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass "$name"
    else
        e2e_fail "$name" "no Error Log, or the interpreter did not end after it"
    fi
}

# Compares the Error Log text with the expected text; shows the first difference.
e2e_same_text() {
    local name=$1 expected=$2 actual=$3
    if cmp -s "$expected" "$actual"; then
        return 0
    fi
    e2e_fail "$name" "Error Log text differs ($(cmp "$expected" "$actual" 2>&1 | head -1))"
    # Line by line with CR, TAB and line ends made visible, long lines cut.
    diff <(cat -A "$expected" | cut -c1-200) <(cat -A "$actual" | cut -c1-200) | head -12
    return 1
}

# For the groups that drive the real editor: skips when qvdev.exe is not built, installs it with
# its tips file in the group's folder ($qvdev), and starts it as a first start in this prefix
# would, without Tip of the Day (a scenario of the editor group shows it).
e2e_require_qvdev() {
    [ -f "${QV_QVDEV:-}" ] || {
        echo "SKIP $e2e_group: not built: qvdev.exe" >&2
        exit $e2e_skip
    }
    cp "$QV_QVDEV" "$(dirname "$QV_QVDEV")/Tips.tod" "$(e2e_case_dir bin)/"
    qvdev="$(e2e_win_dir bin)\\qvdev.exe"
    view="class=TfrmView"
    prompt="Quorvel Developer"
    settings='HKCU\Software\Trevanta\Quorvel Developer'
    e2e_reg delete "$settings" /f
    e2e_reg add "$settings" /v "Show Tips" /t REG_DWORD /d 0 /f
}
e2e_reg() {
    timeout -k 5 60 "$QV_WINE" reg "$@" >/dev/null 2>&1 </dev/null
}
# Lines as the editor saves them.
crlf() { printf '%s\r\n' "$@"; }
editor_none() { e2e_driver none qvdev.exe >/dev/null || e2e_fail "$1" "qvdev.exe was left running"; }

# Ends the group: nothing left running, and the tally.
e2e_finish() {
    local rc=$?
    if ! e2e_no_leftovers; then
        e2e_failed=$((e2e_failed + 1))
    fi
    kill "$e2e_holder" 2>/dev/null
    qv_wine_stop
    # E2E_KEEP=1 keeps the scripts, expected and actual texts for a look after a failure.
    if [ "${E2E_KEEP:-0}" = 1 ]; then
        echo "e2e $e2e_group: texts kept in $e2e_out"
    else
        rm -rf "$e2e_out"
    fi
    echo "e2e $e2e_group: scenarios passed $e2e_passed, failed $e2e_failed"
    if [ "$e2e_failed" -gt 0 ] || [ "$rc" -ne 0 ]; then
        exit 1
    fi
    exit 0
}
