#!/usr/bin/env bash
# Launching, network and keys with the real interpreter: LOAD and LOAD AND WAIT of a helper
# program that records how it was started, CONNECT to a share that cannot exist, and SENDKEYS
# into a window of the driver's own.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool helper
e2e_install_qvrun

# Waits until the helper's record $1 is complete (its last line is "ended").
helper_ended() {
    local record=$1
    for _ in $(seq 100); do
        grep -q '^ended' "$record" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# One field of a helper's record, without its CR.
field() { sed -n "s/^$2: //p" "$1" | tr -d '\r'; }

# LOAD starts the program quoted, with its parameters as written, from its own folder, and in
# the window state of the line.
load_states() {
    local name=load dir win program wrong=""
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    cp "$QV_HELPER" "$dir/qvhelper.exe"
    program="$win\\qvhelper.exe"
    printf '%s\n' "LOAD $program {tag=normal Mixed CASE /Switch}" "LOAD $program {tag=min} [MIN]" \
        "LOAD $program {tag=max} [MAX]" "LOAD $program {tag=hide} [HIDE]" "AFTER THE LOADS" |
        e2e_compile "$dir/load.qvc" || return
    if ! e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$win\\load.qvc"; then
        e2e_fail $name "no Error Log, or the interpreter did not end after it"
        return
    fi
    local upper=${program^^}
    # Each helper's tag, the parameters that follow the tag, and the show code of its line.
    while IFS='|' read -r tag more show; do
        local record="$dir/$tag.txt"
        if ! helper_ended "$record"; then
            wrong+=" $tag(not started)"
            continue
        fi
        [ "$(field "$record" "command line")" = "\"$upper\" tag=$tag$more" ] ||
            wrong+=" $tag(command line: $(field "$record" "command line"))"
        [ "$(field "$record" folder | tr '[:lower:]' '[:upper:]')" = "${upper%\\*}" ] ||
            wrong+=" $tag(folder: $(field "$record" folder))"
        [ "$(field "$record" show)" = "$show" ] || wrong+=" $tag(show: $(field "$record" show))"
    done <<'EOF_STATES'
normal| Mixed CASE /Switch|4
min||7
max||3
hide||0
EOF_STATES
    if [ -n "$wrong" ]; then
        e2e_fail $name "helper started wrongly:$wrong"
    else
        e2e_pass $name
    fi
}

# Each helper stays two seconds and looks, at its start and at its end, for the file that the
# RENAME after its line makes. After LOAD AND WAIT the rename comes only once the helper has
# ended; after a plain LOAD it comes while the helper still runs. Nothing of the wait is left in
# the temporary folder.
load_and_wait() {
    local name=load-and-wait dir win program temp wrong=""
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    cp "$QV_HELPER" "$dir/qvhelper.exe"
    program="$win\\qvhelper.exe"
    : >"$dir/waited.marker"
    : >"$dir/unwaited.marker"
    printf '%s\n' "LOAD AND WAIT $program {tag=waited wait=2000 probe=$win\\waited.renamed}" \
        "RENAME $win\\waited.marker>$win\\waited.renamed" \
        "LOAD $program {tag=unwaited wait=2000 probe=$win\\unwaited.renamed}" \
        "RENAME $win\\unwaited.marker>$win\\unwaited.renamed" "AFTER THE LOADS" |
        e2e_compile "$dir/wait.qvc" || return
    # The temporary folder as Wine has it: the fourth of the driver's names.
    temp=$(e2e_driver names | tr -d '\r' | sed -n 4p)
    temp="$WINEPREFIX/drive_c/$(printf '%s' "${temp#?:\\}" | tr '\\' /)"
    rm -f "$temp"/qvl*
    if ! e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$win\\wait.qvc"; then
        e2e_fail $name "no Error Log, or the interpreter did not end after it"
        return
    fi
    for tag in waited unwaited; do
        helper_ended "$dir/$tag.txt" || wrong+=" $tag(not started or not ended)"
        [ -e "$dir/$tag.renamed" ] || wrong+=" $tag(not renamed)"
    done
    [ "$(field "$dir/waited.txt" "probe at start")" = missing ] &&
        [ "$(field "$dir/waited.txt" "probe at end")" = missing ] ||
        wrong+=" waited(renamed before the helper ended)"
    [ "$(field "$dir/unwaited.txt" "probe at end")" = exists ] ||
        wrong+=" unwaited(the plain LOAD waited for the helper)"
    local left=("$temp"/qvl*)
    [ -e "${left[0]}" ] && wrong+=" (left in the temporary folder: ${left[*]##*/})"
    if [ -n "$wrong" ]; then
        e2e_fail $name "$wrong"
    else
        e2e_pass $name
    fi
}

# A temporary folder and a program folder whose paths hold a blank, "&" and "%", and parameters
# with the marks a command interpreter would expand: the helper, staying three seconds, gets its
# parameters as written, holds the run until it has ended, and nothing is left in the temporary
# folder.
wait_odd_paths() {
    local name=wait-odd-paths dir win temp_dir temp_win program wrong="" parameters
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    temp_dir="$dir/t mp&x%y"
    temp_win="$win\\t mp&x%y"
    mkdir -p "$temp_dir" "$dir/a b&c"
    cp "$QV_HELPER" "$dir/a b&c/qvhelper.exe"
    program="$win\\a b&c\\qvhelper.exe"
    : >"$dir/odd.marker"
    parameters="tag=odd wait=3000 probe=$win\\odd.renamed %TEMP% a&b ^c"
    printf '%s\n' "SET TMP=$temp_win" "SET TEMP=$temp_win" "LOAD AND WAIT $program {$parameters}" \
        "RENAME $win\\odd.marker>$win\\odd.renamed" "AFTER THE WAIT" |
        e2e_compile "$dir/odd.qvc" || return
    if ! e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$win\\odd.qvc"; then
        e2e_fail $name "no Error Log, or the interpreter did not end after it"
        return
    fi
    local record="$dir/a b&c/odd.txt"
    helper_ended "$record" || wrong+=" (helper not started or not ended)"
    [ -e "$dir/odd.renamed" ] || wrong+=" (not renamed)"
    [ "$(field "$record" "probe at end")" = missing ] ||
        wrong+=" (the next line ran while the helper was still open)"
    local started
    started=$(field "$record" "command line")
    [ "${started% "$parameters"}" != "$started" ] || wrong+=" (command line: $started)"
    local left=("$temp_dir"/*)
    [ -e "${left[0]}" ] && wrong+=" (left in the temporary folder: ${left[*]##*/})"
    if [ -n "$wrong" ]; then
        e2e_fail $name "$wrong"
    else
        e2e_pass $name
    fi
}

# PROMPT OFF switches the runner's timer on within the tick; the LOAD AND WAIT after it must
# still hold the run until the helper, which stays three seconds, has ended.
wait_after_prompt_off() {
    local name=wait-after-prompt-off dir win program wrong=""
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    cp "$QV_HELPER" "$dir/qvhelper.exe"
    program="$win\\qvhelper.exe"
    : >"$dir/held.marker"
    printf '%s\n' "PROMPT OFF" "LOAD AND WAIT $program {tag=held wait=3000 probe=$win\\held.renamed}" \
        "RENAME $win\\held.marker>$win\\held.renamed" "AFTER THE WAIT" |
        e2e_compile "$dir/held.qvc" || return
    if ! e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$win\\held.qvc"; then
        e2e_fail $name "no Error Log, or the interpreter did not end after it"
        return
    fi
    helper_ended "$dir/held.txt" || wrong+=" (helper not started or not ended)"
    [ -e "$dir/held.renamed" ] || wrong+=" (not renamed)"
    [ "$(field "$dir/held.txt" "probe at end")" = missing ] ||
        wrong+=" (the next line ran while the helper was still open)"
    if [ -n "$wrong" ]; then
        e2e_fail $name "$wrong"
    else
        e2e_pass $name
    fi
}

# RUN of a folder, and of a file that is no compiled script, are entries 201; the run goes on
# and the Error Log shows every entry.
run_no_script() {
    local name=run-no-script dir win script
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    mkdir -p "$dir/folder"
    printf 'not a script\r\n' >"$dir/notes.qvc"
    script="$win\\run.qvc"
    printf '%s\n' "RUN $win\\folder" "RUN $win\\notes.qvc" "AFTER THE RUNS" |
        e2e_compile "$dir/run.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "Run Failed (201) In Script File : " "$script" 2 "RUN $win\\folder"
        e2e_entry "Run Failed (201) In Script File : " "$script" 3 "RUN $win\\notes.qvc"
        e2e_entry "Invalid Command (200) In Script File : " "$script" 4 "AFTER THE RUNS"
    } >"$e2e_out/$name.expected"
    e2e_check_log $name "$script"
}

# The prefix has no network provider, so nothing leaves the machine: the connection fails and
# is reported with the line as written.
connect() {
    local name=connect dir script line='CONNECT {X:} [\\QV-NO-SUCH-HOST\share]'
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\connect.qvc"
    printf '%s\n' "$line" | e2e_compile "$dir/connect.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "Unable to Connect (201) In Script File : " "$script" 2 "$line"
    } >"$e2e_out/$name.expected"
    e2e_check_log $name "$script"
}

# Keys typed into the edit control of a window that the driver opens, found by part of its title
# in any case: a capital (Shift), blanks, a named key, and a faulty key text reported by its
# fault. The wait gives the window time to take the keys: Wine hands a key to whichever window
# is in front when the key is taken from the queue, and the interpreter's own windows come to
# the front again at its next tick and with the Error Log.
sendkeys() {
    local name=sendkeys dir script typed
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\keys.qvc"
    printf '%s\n' 'SENDKEYS "typing TARGET","Quorvel 2x{BKSP}.0"' "WAIT 1" \
        'SENDKEYS "typing target","{ENTERX}"' | e2e_compile "$dir/keys.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "Invalid token In Script File : " "$script" 4 'SENDKEYS "typing target","{ENTERX}"'
    } >"$e2e_out/$name.expected"
    if ! e2e_driver open-window "QV-E2E Typing Target" + start "$qvrun" "$script" + \
        wait-window "Error Log" 30000 + \
        text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/$name.txt")" + close "Error Log" + \
        wait-exit 30000 + own-text "QV-E2E Typing Target" "$(e2e_host_path "$e2e_out/$name.typed")"; then
        e2e_fail $name "no Error Log, or the interpreter did not end after it"
        return
    fi
    e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" || return
    typed=$(cat "$e2e_out/$name.typed")
    if [ "$typed" = "Quorvel 2.0" ]; then
        e2e_pass $name
    else
        e2e_fail $name "the window's edit control holds \"$typed\""
    fi
}

e2e_case load_states
e2e_case load_and_wait
e2e_case wait_odd_paths
e2e_case wait_after_prompt_off
e2e_case run_no_script
e2e_case connect
e2e_case sendkeys
