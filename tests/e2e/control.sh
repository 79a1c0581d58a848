#!/usr/bin/env bash
# The control lines and the countdown of the real interpreter: a run kept out of sight by its
# leading lines, and WAIT cut short by Next or left to run its seconds.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool
e2e_install_qvrun
frame="class=TStartFrm"

# NO F5 and LOCATE HIDE at the top: the progress window never shows, from the start to the Error
# Log, yet the lines run and their entries are reported.
never_shown() {
    local name=no-f5-locate-hide dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\hidden.qvc"
    printf '%s\n' "NO F5" "LOCATE HIDE" "REPORTED WHILE HIDDEN" | e2e_compile "$dir/hidden.qvc" ||
        return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 4 "REPORTED WHILE HIDDEN"
    } >"$e2e_out/$name.expected"
    if e2e_driver start "$qvrun" "$script" + wait-window-unseen "Error Log" 30000 $frame + \
        hidden $frame + text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/$name.txt")" + \
        close "Error Log" + wait-exit 30000; then
        e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass $name
    else
        e2e_fail $name "the progress window showed, or no Error Log came"
    fi
}

# WAIT 3 and the line after it. With Next pressed as soon as the count shows, the line after
# runs within a second, well before the three seconds are over; left alone, the wait is still
# counting a second and a half later.
wait_three() {
    local name=$1 dir script steps
    dir=$(e2e_case_dir "$name")
    script="$(e2e_win_dir "$name")\\wait.qvc"
    printf '%s\n' "WAIT 3" "AFTER THE WAIT" | e2e_compile "$dir/wait.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 3 "AFTER THE WAIT"
    } >"$e2e_out/$name.expected"
    case $name in
    wait-next) steps=(click "$frame" Button1 + wait-window "Error Log" 2000) ;;
    wait-untouched) steps=(sleep 1500 + hidden "Error Log" + wait-window "Error Log" 20000) ;;
    esac
    if e2e_driver start "$qvrun" "$script" + wait-window "$e2e_title" 20000 + \
        wait-shown $frame Count 20000 + "${steps[@]}" + \
        text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/$name.txt")" + close "Error Log" + \
        wait-exit 30000; then
        e2e_same_text "$name" "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass "$name"
    else
        e2e_fail "$name" "the line after WAIT 3 did not run when expected"
    fi
}

e2e_case never_shown
e2e_case wait_three wait-next
e2e_case wait_three wait-untouched
