#!/usr/bin/env bash
# The real editor: a script opened from the command line and read back from its list, Save
# writing the .qvs and, through the Compiler window, the .qvc that the real interpreter then
# runs, the save prompt on closing and on Exit, the stored script at the next start, and Create
# Shortcut.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun
e2e_require_qvdev
e2e_install_qvrun

# A script given as the first argument opens, and its rows are what the list shows.
open_argument() {
    local name=open-argument dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\Logon Tasks.qvs"
    crlf "WAIT 5" "LOAD C:\\WINDOWS\\NOTEPAD.EXE {x.txt} [max]" "ERROR OFF" "bogus line" \
        "SWITCHES : 1" >"$dir/Logon Tasks.qvs"
    printf 'Wait 5 sec(s)\tWAIT 5\t0\nNotepad.exe\tLOAD C:\\WINDOWS\\NOTEPAD.EXE {x.txt} [max]\t10\nError Off\tERROR OFF\t20\nUnknown\tbogus line\t30\n\t\t40\n' \
        >"$e2e_out/$name.expected"
    if e2e_driver start "$qvdev" "$script" + wait-window "$e2e_title - [Logon Tasks]" 30000 + \
        rows $view ListView1 "$(e2e_host_path "$e2e_out/$name.txt")" + close $view + \
        wait-exit 30000; then
        e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass $name
    else
        e2e_fail $name "the script did not open, or the editor did not close"
    fi
}

# Save writes the .qvs and, through the Compiler window, the .qvc; the interpreter runs it and
# reports the line it does not know, with the compiled script's path.
save_compile_run() {
    local name=save-compile-run dir source compiled
    dir=$(e2e_case_dir $name)
    source="$(e2e_win_dir $name)\\net.qvs"
    compiled="$(e2e_win_dir $name)\\net.qvc"
    crlf "ERROR ON" "bogus line" >"$dir/net.qvs"
    crlf "ERROR ON" "bogus line" "PROMPT OFF" >"$e2e_out/$name.qvs.expected"
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$compiled" 3 "bogus line"
    } >"$e2e_out/$name.expected"
    # PROMPT OFF goes in at the end (no row has the focus), then Save.
    if ! e2e_driver start "$qvdev" "$source" + wait-window "$e2e_title - [net]" 30000 + \
        command $view Off1 + command $view Save1 + wait-window Compiler 10000 + \
        wait-unseen Compiler 30000 + close $view + wait-exit 30000; then
        e2e_fail $name "the editor did not save and compile"
        return
    fi
    e2e_same_text "$name.qvs" "$e2e_out/$name.qvs.expected" "$dir/net.qvs" || return
    [ -s "$dir/net.qvc" ] || {
        e2e_fail $name "no compiled script was written"
        return
    }
    if e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$compiled"; then
        e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass $name
    else
        e2e_fail $name "the interpreter showed no Error Log for the saved script"
    fi
}

# The save prompt on closing: Cancel keeps the window and the changes, No closes without
# saving, Yes saves (and compiles) before closing.
close_prompt() {
    local name=close-prompt dir source
    dir=$(e2e_case_dir $name)
    source="$(e2e_win_dir $name)\\prompt.qvs"
    crlf "LOGOFF" >"$dir/prompt.qvs"
    if ! e2e_driver start "$qvdev" "$source" + wait-window "$e2e_title - [prompt]" 30000 + \
        command $view On1 + close $view + wait-window "$prompt" 10000 + \
        expect-text "$prompt" MessageText "Do you want to save the changes?" + \
        click "$prompt" Cancel + sleep 500 + visible $view + close $view + \
        wait-window "$prompt" 10000 + click "$prompt" No + wait-exit 30000; then
        e2e_fail $name "Cancel or No did not act as they should"
        return
    fi
    crlf "LOGOFF" >"$e2e_out/$name.unchanged"
    e2e_same_text "$name-no" "$e2e_out/$name.unchanged" "$dir/prompt.qvs" || return
    [ ! -e "$dir/prompt.qvc" ] || {
        e2e_fail $name "No compiled the script"
        return
    }
    if ! e2e_driver start "$qvdev" "$source" + wait-window "$e2e_title - [prompt]" 30000 + \
        command $view On1 + close $view + wait-window "$prompt" 10000 + click "$prompt" Yes + \
        wait-exit 30000; then
        e2e_fail $name "Yes did not save and close"
        return
    fi
    crlf "LOGOFF" "PROMPT ON" >"$e2e_out/$name.saved"
    e2e_same_text "$name-yes" "$e2e_out/$name.saved" "$dir/prompt.qvs" &&
        [ -s "$dir/prompt.qvc" ] && e2e_pass $name
}

# A save that cannot replace the file says why, keeps the old file and the changes: closing
# still asks.
failed_save() {
    local name=failed-save dir source
    dir=$(e2e_case_dir $name)
    source="$(e2e_win_dir $name)\\locked.qvs"
    crlf "LOGOFF" >"$dir/locked.qvs"
    cp "$dir/locked.qvs" "$e2e_out/$name.unchanged"
    # Held open by the driver, the file cannot be replaced.
    e2e_driver start "$qvdev" "$source" + wait-window "$e2e_title - [locked]" 30000 + \
        hold-file "$source" + command $view On1 + command $view Save1 + wait-window "$prompt" 10000 + \
        text "$prompt" MessageText "$(e2e_host_path "$e2e_out/$name.txt")" + \
        click "$prompt" OK + sleep 500 + close $view + wait-window "$prompt" 10000 + \
        expect-text "$prompt" MessageText "Do you want to save the changes?" + \
        click "$prompt" No + wait-exit 30000
    if [ $? -ne 0 ]; then
        e2e_fail $name "no message for the failed save, or no save prompt after it"
        return
    fi
    # The system's reason follows the path.
    if ! grep -q "The script was not saved:" "$e2e_out/$name.txt" ||
        ! grep -q "locked.qvs: [A-Za-z]" "$e2e_out/$name.txt"; then
        e2e_fail $name "the message lacks the system's reason: $(tr '\r\n' '  ' <"$e2e_out/$name.txt")"
        return
    fi
    e2e_same_text $name "$e2e_out/$name.unchanged" "$dir/locked.qvs" && e2e_pass $name
}

# Enter on a row opens its editor; PROMPT and ERROR rows toggle in place. Del removes the
# selected row, Ctrl+Z's Undo Changes is not needed: closing without saving keeps the file.
edit_rows() {
    local name=edit-rows dir source
    dir=$(e2e_case_dir $name)
    source="$(e2e_win_dir $name)\\toggles.qvs"
    crlf "PROMPT ON" "ERROR OFF" "LOGOFF" >"$dir/toggles.qvs"
    printf 'Prompt Off\tPROMPT OFF\t10\nLog Off User\tLOGOFF\t20\n\t\t30\n' \
        >"$e2e_out/$name.expected"
    if e2e_driver start "$qvdev" "$source" + wait-window "$e2e_title - [toggles]" 30000 + \
        select $view ListView1 0 + key $view ListView1 13 + \
        wait-row $view ListView1 0 "Prompt Off" 10000 + select $view ListView1 1 + \
        key $view ListView1 46 + wait-row $view ListView1 1 "Log Off User" 10000 + \
        rows $view ListView1 "$(e2e_host_path "$e2e_out/$name.txt")" + close $view + \
        wait-window "$prompt" 10000 + click "$prompt" No + wait-exit 30000; then
        e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass $name
    else
        e2e_fail $name "the rows could not be edited from the keyboard"
    fi
}

# Lines typed in the text view become rows, with their titles, when the list comes back; the
# menu selector and Add commands wait meanwhile.
text_view() {
    local name=text-view dir
    dir=$(e2e_case_dir $name)
    crlf "LOGOFF" >"$dir/typed.qvs"
    printf 'Log Off User\tLOGOFF\t0\nWait 3 sec(s)\tWAIT 3\t10\nUnknown\tnot a command\t20\n\t\t30\n' \
        >"$e2e_out/$name.expected"
    if e2e_driver start "$qvdev" "$(e2e_win_dir $name)\\typed.qvs" + \
        wait-window "$e2e_title - [typed]" 30000 + command $view TextView1 + \
        wait-shown $view Memo1 10000 + disabled $view cboMenu + \
        set-text $view Memo1 'LOGOFF\nWAIT 3\nnot a command' + command $view ListView2 + \
        wait-row $view ListView1 1 "Wait 3 sec(s)" 10000 + control-hidden $view Memo1 + \
        rows $view ListView1 "$(e2e_host_path "$e2e_out/$name.txt")" + terminate; then
        e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass $name
    else
        e2e_fail $name "the text view's lines did not come back as rows"
    fi
}

# Run on a script never compiled: the .QVC it opens is missing, and the message says so.
run_uncompiled() {
    local name=run-uncompiled dir
    dir=$(e2e_case_dir $name)
    crlf "LOGOFF" >"$dir/fresh.qvs"
    if e2e_driver start "$qvdev" "$(e2e_win_dir $name)\\fresh.qvs" + \
        wait-window "$e2e_title - [fresh]" 30000 + command $view Run1 + \
        wait-window "$prompt" 10000 + \
        text "$prompt" MessageText "$(e2e_host_path "$e2e_out/$name.txt")" + \
        click "$prompt" OK + close $view + wait-exit 30000 &&
        grep -q 'fresh.QVC:' "$e2e_out/$name.txt"; then
        e2e_pass $name
    else
        e2e_fail $name "no message for the missing compiled script"
    fi
}

# The next start without an argument reopens the script the last one had.
second_start() {
    local name=second-start
    if e2e_driver start "$qvdev" + wait-window "$e2e_title - [prompt]" 30000 + close $view + \
        wait-exit 30000; then
        e2e_pass $name
    else
        e2e_fail $name "the stored script was not reopened"
    fi
}

# Create Shortcut writes X.lnk on the desktop, pointing at X.qvc; with no commands it says so.
# The desktop is a folder of the prefix's own: Wine's may be the host's home.
create_shortcut() {
    local name=create-shortcut dir desktop
    dir=$(e2e_case_dir $name)
    desktop=$(e2e_case_dir desktop)
    e2e_reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' \
        /v Desktop /d "$(e2e_win_dir desktop)" /f || {
        e2e_fail $name "cannot point the desktop into the prefix"
        return
    }
    crlf "SHUTDOWN" >"$dir/Night Shift.qvs"
    : >"$dir/empty.qvs"
    if ! e2e_driver start "$qvdev" "$(e2e_win_dir $name)\\empty.qvs" + \
        wait-window "$e2e_title - [empty]" 30000 + command $view CreateShortcut1 + \
        wait-window "$prompt" 10000 + \
        expect-text "$prompt" MessageText "No Commands in Script" + click "$prompt" OK + \
        close $view + wait-exit 30000; then
        e2e_fail $name "no \"No Commands in Script\" for an empty script"
        return
    fi
    if ! e2e_driver start "$qvdev" "$(e2e_win_dir $name)\\Night Shift.qvs" + \
        wait-window "$e2e_title - [Night Shift]" 30000 + command $view CreateShortcut1 + \
        sleep 1000 + close $view + wait-exit 30000; then
        e2e_fail $name "the editor did not create the shortcut"
        return
    fi
    if [ -s "$desktop/Night Shift.lnk" ] &&
        grep -aq 'Night Shift.qvc' "$desktop/Night Shift.lnk"; then
        e2e_pass $name
    else
        e2e_fail $name "no Night Shift.lnk pointing at Night Shift.qvc on the desktop"
    fi
}

# E&xit with unsaved changes asks the save prompt too: Cancel keeps the editor, No ends it.
exit_prompt() {
    local name=exit-prompt dir source
    dir=$(e2e_case_dir $name)
    source="$(e2e_win_dir $name)\\exit.qvs"
    crlf "LOGOFF" >"$dir/exit.qvs"
    if e2e_driver start "$qvdev" "$source" + wait-window "$e2e_title - [exit]" 30000 + \
        command $view Menu1 + command $view Exit1 + wait-window "$prompt" 10000 + \
        click "$prompt" Cancel + sleep 500 + visible $view + command $view Exit1 + \
        wait-window "$prompt" 10000 + click "$prompt" No + wait-exit 30000; then
        crlf "LOGOFF" >"$e2e_out/$name.unchanged"
        e2e_same_text $name "$e2e_out/$name.unchanged" "$dir/exit.qvs" && e2e_pass $name
    else
        e2e_fail $name "Exit did not ask before dropping the changes"
    fi
}

# Tip of the Day opens at the first activation while the setting is on, and Next moves on.
tip_of_the_day() {
    local name=tip-of-the-day
    e2e_reg add "$settings" /v "Show Tips" /t REG_DWORD /d 1 /f
    if e2e_driver start "$qvdev" + wait-window "Tip of the Day" 30000 + \
        enabled "Tip of the Day" TipNext + control-hidden "Tip of the Day" TipSave + \
        click "Tip of the Day" TipNext + click "Tip of the Day" TipClose + close $view + \
        wait-exit 30000; then
        e2e_pass $name
    else
        e2e_fail $name "no Tip of the Day at the first activation"
    fi
    e2e_reg add "$settings" /v "Show Tips" /t REG_DWORD /d 0 /f
}

for scenario in open_argument save_compile_run failed_save edit_rows text_view run_uncompiled \
    close_prompt second_start create_shortcut exit_prompt tip_of_the_day; do
    e2e_case $scenario
    editor_none $scenario
done
