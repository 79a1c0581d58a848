#!/usr/bin/env bash
# The driver's own steps against a stand-in with the interpreter's outward shape, so that a
# failing scenario points at the interpreter and not at the driver.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require
[ -f "${QV_STANDIN:-}" ] || {
    echo "SKIP $e2e_group: the stand-in is not built" >&2
    exit $e2e_skip
}
cp "$QV_STANDIN" "$(e2e_case_dir bin)/standin.exe"
standin="$(e2e_win_dir bin)\\standin.exe"

check() {
    local name=$1
    shift
    if "$@"; then
        e2e_pass "$name"
    else
        e2e_fail "$name" "unexpected result"
    fi
}

# The memo's text arrives byte for byte: CR LF, TAB and quotes unchanged.
raw_text() {
    printf 'Head\r\nC:\\a b\\c.qvc\r\n\t Line : 2 '\''x'\''\r\n' >"$e2e_out/raw.expected"
    e2e_driver start "$standin" log 'Head\r\nC:\\a b\\c.qvc\r\n\t Line : 2 '\''x'\''\r\n' + \
        wait-window "Error Log" 20000 + text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/raw.txt")" + \
        close "Error Log" + wait-exit 20000 &&
        cmp -s "$e2e_out/raw.expected" "$e2e_out/raw.txt"
}

short_lived_window() {
    e2e_driver start "$standin" window + wait-window "$e2e_title" 20000 + \
        visible "class=TStartFrm" + wait-exit 20000
}

message_box() {
    [ "$(e2e_driver start "$standin" message + wait-window Quorvel 20000 + \
        text Quorvel MessageText + click Quorvel OK + wait-exit 20000)" = \
        "The Script you tried to run doesn't Exist" ]
}

# A failing step ends the driver with an error and takes the started program with it.
failure_cleans_up() {
    ! e2e_driver start "$standin" log x + wait-window "No Such Window" 500 2>/dev/null &&
        e2e_driver none standin.exe 2>/dev/null
}

# The robustness scenarios rely on a crash being told apart from an ordinary end.
crash_is_reported() {
    local report
    report=$(e2e_driver start "$standin" crash + wait-exit 30000 2>&1) && return 1
    [[ $report == *"crashed, status 0xC0000005"* ]]
}

disabled_button() {
    ! e2e_driver start "$standin" window + wait-window "$e2e_title" 20000 + \
        click "class=TStartFrm" Button1 2>/dev/null &&
        e2e_driver none standin.exe 2>/dev/null
}

# A window of the driver's own: found by title like any other, closed from outside, and its edit
# control read back.
own_window() {
    [ "$(e2e_driver open-window "QV-E2E Own Window" + wait-window "QV-E2E Own Window" 5000 + \
        own-text "QV-E2E Own Window" + close "QV-E2E Own Window" + \
        wait-closed "QV-E2E Own Window" 5000)" = "" ]
}

# A reused dialog is told apart by its text; a window that must stay unseen fails the wait.
wait_text_and_unseen() {
    e2e_driver start "$standin" log 'two words' + wait-text "Error Log" Edit1 "two words" 20000 + \
        close "Error Log" + wait-exit 20000 &&
        ! e2e_driver start "$standin" window + \
            wait-window-unseen "Error Log" 20000 "class=TStartFrm" 2>/dev/null &&
        e2e_driver none standin.exe 2>/dev/null
}

misuse() {
    e2e_driver wait-window 2>/dev/null
    [ $? -eq 2 ]
}

check raw-text raw_text
check short-lived-window short_lived_window
check message-box message_box
check failure-cleans-up failure_cleans_up
check crash-is-reported crash_is_reported
check disabled-button disabled_button
check own-window own_window
check wait-text-and-unseen wait_text_and_unseen
check misuse misuse
