#!/usr/bin/env bash
# The start-up menu of the real interpreter, answered from outside: the chosen entry's script
# runs and the script goes on after MENU SHOW; "&Quit Script" ends the run, and NO QUIT takes
# it away together with the close box.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool
e2e_install_qvrun
menu="class=TfrmMenu"

# A menu script with two entries, each a script whose only line is a distinct invalid line; the
# lines before the menu come first on stdin. Sets $script, $one and $two (Windows paths).
menu_scripts() {
    local name=$1 dir win
    shift
    dir=$(e2e_case_dir "$name")
    win=$(e2e_win_dir "$name")
    script="$win\\menu.qvc"
    one="$win\\one.qvc"
    two="$win\\two.qvc"
    printf '%s\n' "IN ENTRY ONE" | e2e_compile "$dir/one.qvc" || return
    printf '%s\n' "IN ENTRY TWO" | e2e_compile "$dir/two.qvc" || return
    printf '%s\n' "$@" "MENU START" "MENU ITEM 1 First entry,$one" \
        "MENU ITEM 2 Second entry,$two" "MENU SHOW" "AFTER THE MENU" |
        e2e_compile "$dir/menu.qvc"
}

# Runs the menu script with the given steps between the menu's showing and the Error Log.
menu_run() {
    local name=$1
    shift
    if e2e_driver start "$qvrun" "$script" + wait-window "$menu" 20000 + "$@" + \
        wait-window "Error Log" 30000 + \
        text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/$name.txt")" + close "Error Log" + \
        wait-exit 30000; then
        e2e_same_text "$name" "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass "$name"
    else
        e2e_fail "$name" "the menu did not act as designed"
    fi
}

second_entry() {
    local name=menu-second-entry
    menu_scripts $name || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$two" 2 "IN ENTRY TWO"
        e2e_entry "$e2e_invalid" "$script" 6 "AFTER THE MENU"
    } >"$e2e_out/$name.expected"
    menu_run $name expect-text $menu RadioButton1 "First entry" + \
        expect-text $menu RadioButton2 "Second entry" + control-hidden $menu RadioButton3 + \
        control-visible $menu MenuCancelBut + click $menu RadioButton2 + click $menu butOk
}

# Quit Script ends the run: the line after MENU SHOW never runs; what was reported before stays.
quit_script() {
    local name=menu-quit-script
    menu_scripts $name "BEFORE THE MENU" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 2 "BEFORE THE MENU"
    } >"$e2e_out/$name.expected"
    menu_run $name click $menu MenuCancelBut
}

# Under NO QUIT the menu has no "&Quit Script" and refuses its close box; Ok runs the first entry.
no_quit() {
    local name=menu-no-quit
    menu_scripts $name "NO QUIT" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$one" 2 "IN ENTRY ONE"
        e2e_entry "$e2e_invalid" "$script" 7 "AFTER THE MENU"
    } >"$e2e_out/$name.expected"
    menu_run $name control-hidden $menu MenuCancelBut + close $menu + sleep 1000 + \
        visible $menu + click $menu butOk
}

e2e_case second_entry
e2e_case quit_script
e2e_case no_quit
