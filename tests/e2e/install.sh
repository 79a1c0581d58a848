#!/usr/bin/env bash
# The installation: setup.exe in a folder beside qvdev.exe runs the "/install" start (the file
# types, the Run value "qvrun", the four shortcuts of the program group, the uninstaller copied
# to the Windows folder) and offers the import wizard; the driver marks a shortcut of the user's
# Startup folder and a Run value with the space bar and presses Finish; the script saved holds
# their LOAD lines, and Restore to Original Location puts both back.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
for need in QV_QVDEV QV_SETUP; do
    [ -f "${!need:-}" ] || {
        echo "SKIP $e2e_group: not built: $need" >&2
        exit $e2e_skip
    }
done
e2e_require

# shellcheck source=tests/e2e/install-lib.sh
source "$(dirname "$0")/install-lib.sh"
view="class=TfrmView"
settings='HKCU\Software\Trevanta\Quorvel Developer'

# The program folder with a blank in its name, so that its short form differs.
bin_dir=$(e2e_case_dir "Quorvel Program")
bin_win="$(e2e_win_dir "Quorvel Program")"
cp "$QV_SETUP" "$QV_QVDEV" "$(dirname "$QV_QVDEV")/Tips.tod" "$bin_dir/"
if [ -f "${QV_QVREMOVE:-}" ]; then
    cp "$QV_QVREMOVE" "$bin_dir/"
else
    echo "stands in for the uninstaller" >"$bin_dir/qvremove.exe"
fi
windows_dir=$(e2e_unix_path 'C:\windows')
startup_dir=$(e2e_shell_folder Startup)
group_dir="$(e2e_shell_folder Programs)/Quorvel"

# A first installation: none of its traces, a settings key without tips, one shortcut in the
# user's Startup folder and one Run value of another program.
reset_machine() {
    local key
    for key in 'HKCR\.qvs' 'HKCR\.qvc' 'HKCR\qvlite_qvs' 'HKCR\qvlite_qvc' "$settings"; do
        install_reg delete "$key" /f >/dev/null
    done
    install_reg delete "$run_key" /v qvrun /f >/dev/null
    install_reg add "$settings" /v "Show Tips" /t REG_DWORD /d 0 /f >/dev/null
    rm -rf "$group_dir" "$bin_dir/Startup" "$bin_dir/Backup"
    rm -f "$windows_dir/qvremove.exe" "$windows_dir/common.qvs" "$windows_dir/common.qvc"
    mkdir -p "$startup_dir"
    # The prefix's names ignore case: so does the clean-up.
    find "$startup_dir" -maxdepth 1 -iname 'qvmail.lnk' -delete
    echo "a shortcut" >"$startup_dir/QvMail.lnk"
    install_reg add "$run_key" /v QvTray /d 'C:\windows\notepad.exe' /f >/dev/null
}

install_start() {
    local name=install-start rows="$e2e_out/install-rows.txt" marked="$e2e_out/install-marked.txt"
    local link run
    reset_machine
    # Tip of the Day is on, as after a first start, yet the installation does not show it.
    install_reg add "$settings" /v "Show Tips" /t REG_DWORD /d 1 /f >/dev/null
    if ! e2e_driver start "$bin_win\\setup.exe" + wait-exit 30000; then
        e2e_fail $name "setup.exe did not end"
        return
    fi
    if ! e2e_driver wait-window "Quorvel Lite - Gathermoor" 60000 + \
        rows "$wizard" ListBox1 "$(e2e_host_path "$rows")" + disabled "$wizard" cmdFinish + \
        hidden "Tip of the Day"; then
        e2e_fail $name "the import wizard was not offered, Finish was enabled, or the tips showed"
        return
    fi
    link=$(e2e_entry_index "$rows" "  [  ] - QvMail.lnk")
    run=$(e2e_entry_index "$rows" '  [  ] - QvTray - C:\windows\notepad.exe')
    if [ -z "$link" ] || [ -z "$run" ] || ! grep -qx -- "--- Startup Group ---" "$rows" ||
        ! grep -qx -- "--- Registry Run ---" "$rows" || grep -qi 'qvrun.exe' "$rows"; then
        e2e_fail $name "the wizard's list is not as expected: $(tr '\n' '|' <"$rows")"
        return
    fi
    # The Run key, the file types and the program group are there while the wizard is up.
    local short
    short=$(install_reg_value "$run_key" qvrun)
    [[ "$short" == *'\qvrun.exe' && "$short" != *' '* ]] ||
        e2e_fail $name "the Run value qvrun reads \"$short\""
    [ "$(install_reg_default 'HKCR\.qvs')" = qvlite_qvs ] &&
        [ "$(install_reg_default 'HKCR\qvlite_qvs\shell\Open\Command')" = "\"$bin_win\\qvdev.exe\" \"%1\"" ] &&
        [ "$(install_reg_default 'HKCR\qvlite_qvc\DefaultIcon')" = "$bin_win\\qvrun.exe,1" ] ||
        e2e_fail $name "the file types are not registered"
    local shortcut
    for shortcut in "Quorvel Developer" Quorvel "Read Me" "Uninstall Quorvel"; do
        [ -f "$group_dir/$shortcut.lnk" ] || e2e_fail $name "no shortcut \"$shortcut\""
    done
    cmp -s "$bin_dir/qvremove.exe" "$windows_dir/qvremove.exe" ||
        e2e_fail $name "the uninstaller was not copied to the Windows folder"

    # Marking and unmarking returns Finish to disabled; then both entries are marked. A "-"
    # typed first must not move the selection to the next header, as the list's own search would.
    if ! e2e_driver select "$wizard" ListBox1 "$link" + key "$wizard" ListBox1 189 + sleep 600 + \
        key "$wizard" ListBox1 32 + sleep 600 + \
        enabled "$wizard" cmdFinish + key "$wizard" ListBox1 32 + sleep 600 + \
        disabled "$wizard" cmdFinish + key "$wizard" ListBox1 32 + sleep 600 + \
        select "$wizard" ListBox1 "$run" + key "$wizard" ListBox1 32 + sleep 600 + \
        rows "$wizard" ListBox1 "$(e2e_host_path "$marked")" + click "$wizard" cmdFinish + \
        wait-window "$prompt" 20000 + text "$prompt" MessageText "$(e2e_host_path "$e2e_out/moved.txt")" + \
        click "$prompt" OK; then
        e2e_fail $name "the entries could not be marked and imported"
        return
    fi
    grep -qx "  \[X\] - QvMail.lnk" "$marked" && grep -qxF '  [X] - QvTray - C:\windows\notepad.exe' "$marked" ||
        e2e_fail $name "the marked entries read: $(tr '\n' '|' <"$marked")"
    [ "$(cat "$e2e_out/moved.txt")" = "The Links have been moved to the $bin_win\\Startup" ] ||
        e2e_fail $name "the warning reads \"$(cat "$e2e_out/moved.txt")\""
    # The editor saves and ends by itself.
    if ! e2e_driver wait-gone qvdev.exe 60000; then
        e2e_fail $name "the editor did not end after the wizard"
        return
    fi
    install_reg add "$settings" /v "Show Tips" /t REG_DWORD /d 0 /f >/dev/null
    local script="$windows_dir/common.qvs" low
    low=$(printf '%s' "$bin_win" | tr 'A-Z' 'a-z')
    [ -f "$startup_dir/QvMail.lnk" ] && e2e_fail $name "the shortcut is still in the Startup folder"
    [ -f "$bin_dir/Startup/QvMail.lnk" ] || e2e_fail $name "the shortcut was not moved"
    [ -z "$(install_reg_value "$run_key" QvTray)" ] || e2e_fail $name "the Run value is still there"
    grep -qF "LOAD $low\\startup\\qvmail.lnk" "$script" && grep -qF 'LOAD c:\windows\notepad.exe' "$script" ||
        {
            e2e_fail $name "the saved script lacks the LOAD lines: $(tr '\r\n' '|' <"$script" 2>/dev/null)"
            return
        }
    e2e_pass $name
}

# Restore to Original Location on each imported row: the shortcut and the Run value come back,
# the rows go, and each time the script is saved: compiled while a row is left, and deleted
# once it is empty (which leaves it modified, so closing asks; No).
restore_rows() {
    local name=restore rows="$e2e_out/restore-rows.txt" row pass
    local -a saved=(wait-window Compiler 10000 + wait-unseen Compiler 30000 + close "$view")
    local -a emptied=(sleep 1000 + close "$view" + wait-window "$prompt" 10000 + click "$prompt" No)
    [ -f "$windows_dir/common.qvs" ] || {
        e2e_fail $name "no imported script to restore from"
        return
    }
    # A row that was not imported (the end row) has nothing to put back, and says so.
    if ! e2e_driver start "$bin_win\\qvdev.exe" + wait-window "$e2e_title - [common]" 30000 + \
        time-rows "$view" ListView1 3 10000 + select "$view" ListView1 2 + \
        command "$view" RestoretoOriginalLocation1 + wait-window "$prompt" 10000 + \
        expect-text "$prompt" MessageText "Unable to Restore to Original Location" + \
        click "$prompt" OK + sleep 300 + close "$view" + wait-gone qvdev.exe 30000 >/dev/null; then
        e2e_fail $name "Restore on a row that was not imported did not say so"
        e2e_driver none qvdev.exe >/dev/null
        return
    fi
    # A shortcut whose name is taken in the Startup folder cannot go back: "123 : ...", then,
    # as no other entry matches, the plain box; nothing changes.
    echo "in the way" >"$startup_dir/Qvmail.lnk"
    if ! e2e_driver start "$bin_win\\qvdev.exe" + wait-window "$e2e_title - [common]" 30000 + \
        time-rows "$view" ListView1 3 10000 + select "$view" ListView1 0 + \
        command "$view" RestoretoOriginalLocation1 + wait-window "$prompt" 10000 + \
        expect-text "$prompt" MessageText "123 : Unable to Restore to Original Location" + \
        click "$prompt" OK + sleep 500 + wait-window "$prompt" 10000 + \
        expect-text "$prompt" MessageText "Unable to Restore to Original Location" + \
        click "$prompt" OK + sleep 300 + close "$view" + wait-gone qvdev.exe 30000 >/dev/null; then
        e2e_fail $name "a shortcut that cannot be moved back did not show both boxes"
        return
    fi
    rm -f "$startup_dir/Qvmail.lnk"
    [ -f "$bin_dir/Startup/QvMail.lnk" ] || e2e_fail $name "the blocked shortcut left its place"
    for pass in 1 2; do
        # The two imported rows and the end row, then one fewer: the list is read once full.
        if ! e2e_driver start "$bin_win\\qvdev.exe" + wait-window "$e2e_title - [common]" 30000 + \
            time-rows "$view" ListView1 $((4 - pass)) 10000 + \
            rows "$view" ListView1 "$(e2e_host_path "$rows")" >/dev/null; then
            e2e_fail $name "the editor did not open the imported script"
            return
        fi
        row=$(awk -F'\t' '$2 ~ /^LOAD / { print NR - 1; exit }' "$rows")
        [ "$row" = 0 ] || {
            e2e_fail $name "pass $pass: the first row is not an imported LOAD: $(tr '\n' '|' <"$rows")"
            e2e_driver none qvdev.exe >/dev/null
            return
        }
        local -a after=("${saved[@]}")
        [ $pass = 2 ] && after=("${emptied[@]}")
        if ! e2e_driver select "$view" ListView1 0 + command "$view" RestoretoOriginalLocation1 + \
            "${after[@]}" + wait-gone qvdev.exe 30000; then
            e2e_fail $name "pass $pass: restoring did not save and end: $(e2e_driver text "$prompt" MessageText 2>&1)"
            e2e_driver none qvdev.exe >/dev/null
            return
        fi
    done
    [ -f "$startup_dir/Qvmail.lnk" ] || e2e_fail $name "the shortcut is not back in the Startup folder"
    [ "$(install_reg_value "$run_key" QvTray)" = 'C:\windows\notepad.exe' ] ||
        e2e_fail $name "the Run value is not back"
    [ -f "$windows_dir/common.qvs" ] && e2e_fail $name "the emptied script was not deleted"
    [ -s "$bin_dir/Backup/Import.log" ] && e2e_fail $name "the import log still holds entries"
    e2e_pass $name
}

# The uninstaller started from its copy in the Windows folder, as the program group's shortcut
# starts it: after Yes it offers to put the imported entries back (Yes), removes what the
# installation made, keeps the script, and its own copy goes once it has ended.
uninstall() {
    local name=uninstall wait
    if [ ! -f "${QV_QVREMOVE:-}" ]; then
        echo "SKIP $e2e_group/$name: qvremove.exe is not built"
        return
    fi
    [ -f "$bin_dir/Startup/QvMail.lnk" ] || {
        e2e_fail $name "nothing was imported to put back"
        return
    }
    if ! e2e_driver start 'C:\windows\qvremove.exe' "$bin_win" + wait-window Quorvel 20000 + \
        expect-text Quorvel MessageText "$(printf 'Remove Quorvel from this computer?\r\n\r\nThe scripts you wrote are kept.')" + \
        click Quorvel Yes + sleep 500 + wait-window Quorvel 20000 + \
        text Quorvel MessageText "$(e2e_host_path "$e2e_out/put-back.txt")" + click Quorvel Yes + \
        sleep 500 + wait-window Quorvel 60000 + \
        text Quorvel MessageText "$(e2e_host_path "$e2e_out/removed.txt")" + click Quorvel OK + \
        wait-exit 30000; then
        e2e_fail $name "the uninstaller did not ask, put back and end"
        e2e_driver none qvremove.exe >/dev/null
        return
    fi
    grep -q '^2 programs were moved' "$e2e_out/put-back.txt" ||
        e2e_fail $name "the put-back question reads \"$(cat "$e2e_out/put-back.txt")\""
    [ "$(cat "$e2e_out/removed.txt")" = "Quorvel has been removed. The scripts you wrote are still there." ] ||
        e2e_fail $name "the closing message reads \"$(cat "$e2e_out/removed.txt")\""
    [ -f "$startup_dir/Qvmail.lnk" ] || e2e_fail $name "the shortcut is not back in the Startup folder"
    [ "$(install_reg_value "$run_key" QvTray)" = 'C:\windows\notepad.exe' ] ||
        e2e_fail $name "the Run value is not back"
    [ -z "$(install_reg_value "$run_key" qvrun)" ] || e2e_fail $name "the Run value qvrun is left"
    [ -z "$(install_reg_default 'HKCR\.qvs')$(install_reg_default 'HKCR\qvlite_qvc\DefaultIcon')" ] ||
        e2e_fail $name "the file types are left"
    [ -d "$group_dir" ] && e2e_fail $name "the program group is left"
    [ -d "$bin_dir" ] && e2e_fail $name "the program folder is left: $(ls -R "$bin_dir" | tr '\n' ' ')"
    [ -f "$windows_dir/common.qvs" ] || e2e_fail $name "the script was deleted"
    for wait in $(seq 1 40); do
        [ -f "$windows_dir/qvremove.exe" ] || break
        sleep 0.5
    done
    [ -f "$windows_dir/qvremove.exe" ] && e2e_fail $name "the uninstaller's own copy is left"
    e2e_pass $name
}

# The options dialog: "Set File Associations" says so; OK with AutoLoad cleared removes the Run
# value "qvrun" and with it ticked writes the short folder + "qvrun.exe"; with the add-in's
# window up, Load is disabled and Unload enabled within half a second, and Unload closes it.
options_dialog() {
    local name=options before after
    local opened=(start "$bin_win\\qvdev.exe" + wait-window "$e2e_title - [common]" 30000 +
        command "$view" Options1 + wait-window Options 10000)
    local closed=(wait-unseen Options 10000 + close "$view" + wait-gone qvdev.exe 30000)
    before=$(install_reg_value "$run_key" qvrun)
    if ! e2e_driver "${opened[@]}" + click Options SetFile + wait-window "$prompt" 10000 + \
        expect-text "$prompt" MessageText "Associations are now set." + click "$prompt" OK + \
        check Options AutoLoad 0 + click Options OptionsOK + "${closed[@]}"; then
        e2e_fail $name "the associations were not set, or the dialog did not close"
        e2e_driver none qvdev.exe >/dev/null
        return
    fi
    [ -z "$(install_reg_value "$run_key" qvrun)" ] || e2e_fail $name "OK left the Run value qvrun"
    # The right and left arrows in the tab strip turn the pages.
    if ! e2e_driver "${opened[@]}" + key Options PageControl1 39 + wait-shown Options UnloadINT 10000 + \
        open-window "Netlyre Addin - 1998" + sleep 700 + \
        disabled Options Load + enabled Options UnloadINT + click Options UnloadINT + \
        wait-closed "Netlyre Addin - 1998" 10000 + sleep 700 + enabled Options Load + \
        disabled Options UnloadINT + key Options PageControl1 37 + wait-shown Options AutoLoad 10000 + \
        check Options AutoLoad 1 + click Options OptionsOK + \
        "${closed[@]}"; then
        e2e_fail $name "the add-in's buttons did not follow its window, or OK did not close"
        e2e_driver none qvdev.exe >/dev/null
        return
    fi
    after=$(install_reg_value "$run_key" qvrun)
    [ -n "$before" ] && [ "$after" = "$before" ] ||
        e2e_fail $name "ticked again, qvrun reads \"$after\", not \"$before\""
    e2e_pass $name
}

# Opened from the text view, the wizard first turns the script back into rows (icon view), as
# Finish adds rows; Cancel changes nothing.
wizard_from_text_view() {
    local name=wizard-from-text-view
    if e2e_driver start "$bin_win\\qvdev.exe" + wait-window "$e2e_title - [common]" 30000 + \
        command "$view" TextView1 + wait-shown "$view" Memo1 10000 + \
        command "$view" ImportWizard1 + wait-window "Quorvel Lite - Gathermoor" 10000 + \
        control-hidden "$view" Memo1 + control-visible "$view" ListView1 + \
        click "$wizard" cmdCancel + wait-unseen "Quorvel Lite - Gathermoor" 10000 + \
        command "$view" ListView2 + close "$view" + wait-gone qvdev.exe 30000 >/dev/null; then
        e2e_pass $name
    else
        e2e_fail $name "the wizard opened over the text view, or Cancel did not close it"
    fi
}

# A scenario that fails half-way may leave the editor up: it must not hold up the next one.
install_case() {
    "$@"
    e2e_driver none qvdev.exe >/dev/null || e2e_fail "$1" "qvdev.exe was left running"
}
install_case install_start
install_case restore_rows
install_case options_dialog
install_case wizard_from_text_view
install_case install_start
install_case uninstall
# Leave the prefix as the other groups expect it (E2E_KEEP=1: as the scenarios left it).
[ -n "${E2E_KEEP:-}" ] && exit 0
reset_machine
find "$startup_dir" -maxdepth 1 -iname 'qvmail.lnk' -delete
install_reg delete "$run_key" /v QvTray /f >/dev/null
install_reg delete "$run_key" /v qvrun /f >/dev/null
rm -rf "$group_dir"
rm -f "$windows_dir/qvremove.exe"
