#!/usr/bin/env bash
# Start-up of the real interpreter: the window of a header-only script, the missing command-line
# script, and the choice and order of the common, computer and user scripts.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool

e2e_install_qvrun

header_only() {
    local name=header-only dir
    dir=$(e2e_case_dir $name)
    e2e_compile "$dir/empty.qvc" </dev/null || return
    # The run ends at the first tick, half a second after the window shows.
    if e2e_driver start "$qvrun" "$(e2e_win_dir $name)\\empty.qvc" + \
        wait-window "$e2e_title" 20000 + wait-exit 20000; then
        e2e_pass $name
    else
        e2e_fail $name "the window was not shown, or the run did not end by itself"
    fi
}

hidden_window() {
    local name=locate-hide dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\hide.qvc"
    printf '%s\n' "NO F8" "LOCATE HIDE" "STILL RUNS" | e2e_compile "$dir/hide.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 4 "STILL RUNS"
    } >"$e2e_out/$name.expected"
    # The Error Log is up while the progress window has never been shown.
    if e2e_driver start "$qvrun" "$script" + wait-window "Error Log" 30000 + \
        hidden "class=TStartFrm" + text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/$name.txt")" + \
        close "Error Log" + wait-exit 30000; then
        e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass $name
    else
        e2e_fail $name "no Error Log, or the progress window was visible"
    fi
}

missing_script() {
    local name=missing-script message
    message=$(e2e_driver start "$qvrun" "$(e2e_win_dir $name)\\nowhere.qvc" + \
        wait-window Quorvel 20000 + hidden "class=TStartFrm" + text Quorvel MessageText + \
        click Quorvel OK + wait-exit 20000) ||
        {
            e2e_fail $name "no message box, or the interpreter did not end after it"
            return
        }
    if [ "$message" = "The Script you tried to run doesn't Exist" ]; then
        e2e_pass $name
    else
        e2e_fail $name "message box says: $message"
    fi
}

# The older scrambled form is read too, and a newer format version is refused with a message.
older_form() {
    local name=older-form dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\old.qvc"
    e2e_legacy_file "$dir/old.qvc" " - 0~;~Dev2378~;~Ver@0002~;~~:~OLDER FORM JUNK~:~"
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 2 "OLDER FORM JUNK"
    } >"$e2e_out/$name.expected"
    e2e_check_log $name "$script"
}

newer_version() {
    local name=newer-version dir message
    dir=$(e2e_case_dir $name)
    e2e_legacy_file "$dir/new.qvc" " - 0~;~Dev2378~;~Ver@0003~;~~:~NEVER RUNS~:~"
    message=$(e2e_driver start "$qvrun" "$(e2e_win_dir $name)\\new.qvc" + \
        wait-window Quorvel 20000 + hidden "class=TStartFrm" + text Quorvel MessageText + \
        click Quorvel OK + wait-exit 20000) ||
        {
            e2e_fail $name "no message box, or the interpreter did not end after it"
            return
        }
    if [ "$message" = "This Script was Designed on a Later Version of Developer, You need to upgrade the Interpretor to a Later Version." ]; then
        e2e_pass $name
    else
        e2e_fail $name "message box says: $message"
    fi
}

# The Windows folder and the names the interpreter builds its candidates from, as Wine has them.
{
    read -r computer
    read -r user
    read -r windir
} < <(e2e_driver names | tr -d '\r')
windir_unix="$WINEPREFIX/drive_c/${windir#?:\\}"
windows_scripts=("$windir_unix/common.QVC" "$windir_unix/$computer.QVC" "$windir_unix/$user.QVC")
remove_windows_scripts() { rm -f "${windows_scripts[@]}"; }

# Each script holds one invalid line naming itself, so the Error Log shows which scripts ran, in
# which order, and from which folder.
selection() {
    local name=$1 dir program
    shift
    dir=$(e2e_case_dir "$name")
    program="$(e2e_win_dir "$name")\\qvrun.exe"
    cp "$QV_QVRUN" "$dir/qvrun.exe"
    remove_windows_scripts
    local expected="$e2e_out/$name.expected" placed=0
    printf '%s\r\n' "$e2e_log_header" >"$expected"
    while [ $# -gt 0 ]; do
        local where=$1 file=$2 runs=$3 unix win
        shift 3
        if [ "$where" = windows ]; then
            unix="$windir_unix/$file"
            win="$windir\\$file"
        else
            unix="$dir/$file"
            win="$(e2e_win_dir "$name")\\$file"
        fi
        printf '%s\n' "FROM $where $file" | e2e_compile "$unix" || return
        placed=$((placed + 1))
        if [ "$runs" = runs ]; then
            e2e_entry "$e2e_invalid" "$win" 2 "FROM $where $file" \
                >>"$expected"
        fi
    done
    if [ $placed -eq 0 ]; then
        # Nothing to run: the interpreter ends at once, silently.
        if e2e_driver start "$program" + wait-exit 20000; then
            e2e_pass "$name"
        else
            e2e_fail "$name" "the interpreter did not end silently without scripts"
        fi
    elif e2e_run_to_log "$program" "$e2e_out/$name.txt"; then
        e2e_same_text "$name" "$expected" "$e2e_out/$name.txt" && e2e_pass "$name"
    else
        e2e_fail "$name" "no Error Log, or the interpreter did not end after it"
    fi
    remove_windows_scripts
}

trap 'remove_windows_scripts; e2e_finish' EXIT

e2e_case header_only
e2e_case hidden_window
e2e_case missing_script
e2e_case older_form
e2e_case newer_version
# Common from the Windows folder first; computer and user from the program folder first.
e2e_case selection precedence \
    windows common.QVC runs program Common.QVC skipped \
    program "$computer.QVC" runs windows "$computer.QVC" skipped \
    program "$user.QVC" runs windows "$user.QVC" skipped
e2e_case selection common-then-others \
    program Common.QVC runs windows "$computer.QVC" runs windows "$user.QVC" runs
e2e_case selection user-only program "$user.QVC" runs
e2e_case selection no-scripts
