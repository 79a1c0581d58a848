#!/usr/bin/env bash
# The window commands of the real interpreter against windows that the driver opens itself:
# WAIT FOR WINDOW finding a window that comes late or timing out on one that never comes, and
# CLOSE.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool
e2e_install_qvrun
frame="class=TStartFrm"

# The title is matched in any case anywhere in a window's title; the window opens only once the
# interpreter is waiting. Without the match the wait would time out and report 207.
window_comes_late() {
    local name=wait-for-window-found dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\wait.qvc"
    printf '%s\n' "WAIT FOR WINDOW awaited WINDOW" "AFTER THE WAIT" | e2e_compile "$dir/wait.qvc" ||
        return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 3 "AFTER THE WAIT"
    } >"$e2e_out/$name.expected"
    if e2e_driver start "$qvrun" "$script" + \
        wait-text $frame LoadingAppName $'Waiting for Window called ...\rawaited WINDOW' 20000 + \
        sleep 1000 + open-window "QV-E2E Awaited Window" + wait-window "Error Log" 30000 + \
        text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/$name.txt")" + close "Error Log" + \
        wait-exit 30000; then
        e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass $name
    else
        e2e_fail $name "the interpreter did not wait, or did not go on after the window came"
    fi
}

# About twelve seconds without the window: entry 207 names the awaited title, even with the
# errors switched off, and the run goes on.
window_never_comes() {
    local name=wait-for-window-timeout dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\wait.qvc"
    printf '%s\n' "ERROR OFF" "WAIT FOR WINDOW QV-E2E Never Shown" "SILENCED JUNK" "ERROR ON" \
        "REPORTED JUNK" | e2e_compile "$dir/wait.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "Unable to Find Wait Window (207) In Script File : " "$script" 3 \
            "WAIT FOR WINDOW QV-E2E Never Shown"
        e2e_entry "$e2e_invalid" "$script" 6 "REPORTED JUNK"
    } >"$e2e_out/$name.expected"
    e2e_check_log $name "$script"
}

# CLOSE asks the first window whose title contains the text to close; a text that matches no
# window does nothing and reports nothing.
close_window() {
    local name=close dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\close.qvc"
    printf '%s\n' "CLOSE QV-E2E No Such Window" "CLOSE closable" "AFTER THE CLOSE" |
        e2e_compile "$dir/close.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 4 "AFTER THE CLOSE"
    } >"$e2e_out/$name.expected"
    if e2e_driver open-window "QV-E2E Closable Window" + start "$qvrun" "$script" + \
        wait-closed "QV-E2E Closable Window" 20000 + wait-window "Error Log" 30000 + \
        text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/$name.txt")" + close "Error Log" + \
        wait-exit 30000; then
        e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass $name
    else
        e2e_fail $name "the window was not closed, or the run did not go on"
    fi
}

e2e_case window_comes_late
e2e_case window_never_comes
e2e_case close_window
