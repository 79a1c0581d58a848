#!/usr/bin/env bash
# The error report of the real interpreter: the exact text of the "Error Log" for invalid lines
# and for RUN, including the script path and line number after a return from a called script.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool

e2e_install_qvrun

one_invalid_line() {
    local name=invalid-line dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\bad.qvc"
    printf '%s\n' "THIS IS NOT A COMMAND" | e2e_compile "$dir/bad.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 2 "THIS IS NOT A COMMAND"
    } >"$e2e_out/$name.expected"
    e2e_check_log $name "$script"
}

# Which lines are comments, which are passed over and which are reported, and that ERROR OFF
# silences the report until ERROR ON.
classification() {
    local name=classification dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\lines.qvc"
    printf '%s\n' "; a comment" "REMOVE.BAT" "   " "   ; not a comment" "LOCATE SOMEWHERE" \
        $'  Mixed Case Junk\t' "ERROR OFF" "SILENCED JUNK" "ERROR ON" "REPORTED JUNK" |
        e2e_compile "$dir/lines.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 5 "; not a comment"
        e2e_entry "$e2e_invalid" "$script" 6 "LOCATE SOMEWHERE"
        e2e_entry "$e2e_invalid" "$script" 7 "Mixed Case Junk"
        e2e_entry "$e2e_invalid" "$script" 11 "REPORTED JUNK"
    } >"$e2e_out/$name.expected"
    e2e_check_log $name "$script"
}

run_command() {
    local name=run dir main child missing
    dir=$(e2e_case_dir $name)
    main="$(e2e_win_dir $name)\\main.qvc"
    child="$(e2e_win_dir $name)\\child.qvc"
    missing="$(e2e_win_dir $name)\\missing.qvc"
    printf '%s\n' "RUN $missing" "RUN $child" "AFTER THE RETURN" | e2e_compile "$dir/main.qvc" ||
        return
    printf '%s\n' "; called" "IN THE CALLED SCRIPT" | e2e_compile "$dir/child.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "Run Failed (201) In Script File : " "$main" 2 "RUN $missing"
        e2e_entry "$e2e_invalid" "$child" 3 "IN THE CALLED SCRIPT"
        e2e_entry "$e2e_invalid" "$main" 4 "AFTER THE RETURN"
    } >"$e2e_out/$name.expected"
    e2e_check_log $name "$main"
}

e2e_case one_invalid_line
e2e_case classification
e2e_case run_command
