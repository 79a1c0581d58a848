#!/usr/bin/env bash
# The editor's command dialogs in the real qvdev.exe: a LOAD line added through the Run Dialog
# and a COPY line through the Copy dialog, the LOAD line edited by Enter on its row, Save, and
# the compiled script run by the real interpreter, whose effects show what the dialogs wrote.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun helper
e2e_require_qvdev
e2e_install_qvrun
run_dialog="class=TfrmConfigRun"
file_dialog="class=TfrmFileCommands"

# Waits until the helper's record $1 is complete (its last line is "ended").
helper_ended() {
    for _ in $(seq 100); do
        grep -q '^ended' "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

add_edit_save_run() {
    local name=add-edit-save-run dir win
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    cp "$QV_HELPER" "$dir/qvhelper.exe"
    printf 'copied by the script\r\n' >"$dir/Source.TXT"
    # The invalid line makes the interpreter end with its Error Log.
    crlf "ERROR ON" "bogus line" >"$dir/dialogs.qvs"
    # Adding with the end row chosen puts each line just above it.
    if ! e2e_driver start "$qvdev" "$win\\dialogs.qvs" + \
        wait-window "$e2e_title - [dialogs]" 30000 + \
        command $view Launch1 + wait-window "$run_dialog" 10000 + \
        disabled "$run_dialog" Button1 + \
        set-text "$run_dialog" Edit1 "$win\\qvhelper.exe" + \
        set-text "$run_dialog" Edit2 "tag=added" + click "$run_dialog" Button1 + \
        wait-unseen "$run_dialog" 10000 + wait-row $view ListView1 2 "Qvhelper.exe" 10000 + \
        select $view ListView1 3 + command $view Copy2 + wait-window "$file_dialog" 10000 + \
        expect-text "$file_dialog" GroupBox1 "Source : " + \
        set-text "$file_dialog" Edit1 "$win\\Source.TXT" + \
        set-text "$file_dialog" Edit2 "$win\\Copied.TXT" + click "$file_dialog" Button1 + \
        wait-unseen "$file_dialog" 10000 + \
        select $view ListView1 2 + key $view ListView1 13 + wait-window "$run_dialog" 10000 + \
        expect-text "$run_dialog" Edit2 "tag=added" + \
        set-text "$run_dialog" Edit2 "tag=edited" + click "$run_dialog" Button1 + \
        wait-unseen "$run_dialog" 10000 + \
        rows $view ListView1 "$(e2e_host_path "$e2e_out/$name.rows")" + \
        command $view Save1 + wait-window Compiler 10000 + wait-unseen Compiler 30000 + \
        close $view + wait-exit 30000; then
        e2e_fail $name "the dialogs did not add, edit and save the lines"
        return
    fi
    local lower=${win,,}
    # The add paths leave the titles to the document; the edit keeps the program's name.
    printf '%s\t%s\t%s\n' "Error On" "ERROR ON" 10 "Unknown" "bogus line" 20 \
        "Qvhelper.exe" "LOAD $win\\qvhelper.exe {tag=edited}" 30 \
        "Copy File(s) or Directory" "COPY $lower\\source.txt>$lower\\copied.txt" 40 "" "" 50 \
        >"$e2e_out/$name.rows.expected"
    e2e_same_text "$name.rows" "$e2e_out/$name.rows.expected" "$e2e_out/$name.rows" || return
    crlf "ERROR ON" "bogus line" "LOAD $win\\qvhelper.exe {tag=edited}" \
        "COPY $lower\\source.txt>$lower\\copied.txt" >"$e2e_out/$name.qvs"
    e2e_same_text "$name.qvs" "$e2e_out/$name.qvs" "$dir/dialogs.qvs" || return
    if ! e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$win\\dialogs.qvc"; then
        e2e_fail $name "the interpreter showed no Error Log for the saved script"
        return
    fi
    grep -q "bogus line" "$e2e_out/$name.txt" || {
        e2e_fail $name "the Error Log lacks the invalid line"
        return
    }
    helper_ended "$dir/edited.txt" || {
        e2e_fail $name "the edited LOAD line did not start the helper with its new arguments"
        return
    }
    [ ! -e "$dir/added.txt" ] || {
        e2e_fail $name "the LOAD line kept the arguments it was added with"
        return
    }
    cmp -s "$dir/Source.TXT" "$dir/copied.txt" || {
        e2e_fail $name "the COPY line did not copy the file"
        return
    }
    e2e_pass $name
}

# The menu button's dialog gives the main script a menu item; Save writes the menu block, and the
# menu selector then opens the item's script.
menu_dialog() {
    local name=menu-dialog dir win
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    crlf "LOGOFF" >"$dir/main.qvs"
    if ! e2e_driver start "$qvdev" "$win\\main.qvs" + wait-window "$e2e_title - [main]" 30000 + \
        command $view MenuButton + wait-window "class=TfrmMenuDev" 10000 + \
        set-text "class=TfrmMenuDev" Edit0 "Accounts" + \
        set-text "class=TfrmMenuDev" Script0 "$win\\acct.qvs" + \
        click "class=TfrmMenuDev" Button1 + wait-unseen "class=TfrmMenuDev" 10000 + \
        command $view Save1 + wait-window Compiler 10000 + wait-unseen Compiler 30000 + \
        key $view cboMenu 40 + wait-window "$e2e_title - [acct]" 10000 + close $view + \
        wait-exit 30000; then
        e2e_fail $name "the menu dialog, Save or the menu selector did not act"
        return
    fi
    crlf "MENU START" "MENU ITEM 1 Accounts,$win\\acct.qvc" "LOGOFF" "MENU SHOW" \
        >"$e2e_out/$name.qvs"
    e2e_same_text "$name.qvs" "$e2e_out/$name.qvs" "$dir/main.qvs" && e2e_pass $name
}

editor_none() { e2e_driver none qvdev.exe >/dev/null || e2e_fail "$1" "qvdev.exe was left running"; }

for scenario in add_edit_save_run menu_dialog; do
    e2e_case $scenario
    editor_none $scenario
done
