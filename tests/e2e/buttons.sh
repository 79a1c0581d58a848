#!/usr/bin/env bash
# The progress window's buttons pressed from outside during a long wait: Pause and Resume with
# their captions and titles, Next to skip the wait, Cancel to end the run, and NO QUIT.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool
e2e_install_qvrun
frame="class=TStartFrm"

# A wait far longer than any step's limit, so that only a button can end it in time.
long_wait() {
    local dir
    dir=$(e2e_case_dir "$1")
    shift
    printf '%s\n' "$@" | e2e_compile "$dir/wait.qvc"
}

pause_resume_next() {
    local name=pause-resume-next script
    script="$(e2e_win_dir $name)\\wait.qvc"
    long_wait $name "WAIT 600" "AFTER THE WAIT" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 3 "AFTER THE WAIT"
    } >"$e2e_out/$name.expected"
    # The count shows once the wait runs; a Next pressed before would be spent on no wait.
    if e2e_driver start "$qvrun" "$script" + wait-window "$e2e_title" 20000 + \
        wait-shown $frame Count 20000 + click $frame cmdPause + wait-window "$e2e_title - Script Paused" 10000 + \
        expect-text $frame cmdPause "&Resume" + expect-text $frame Button1 "&Minimize" + \
        click $frame cmdPause + wait-window "$e2e_title - Resumed" 10000 + \
        expect-text $frame cmdPause "&Pause" + expect-text $frame Button1 "&Next >>" + \
        click $frame Button1 + wait-window "Error Log" 60000 + \
        text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/$name.txt")" + close "Error Log" + \
        wait-exit 30000; then
        e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" && e2e_pass $name
    else
        e2e_fail $name "pause, resume or next did not act as designed"
    fi
}

# Cancel ends the run at once; the line after the wait never runs, so no Error Log holds it up.
cancel() {
    local name=cancel
    long_wait $name "WAIT 600" "NEVER RUNS" || return
    if e2e_driver start "$qvrun" "$(e2e_win_dir $name)\\wait.qvc" + \
        wait-window "$e2e_title" 20000 + wait-shown $frame Count 20000 + click $frame CancelBut + wait-exit 30000; then
        e2e_pass $name
    else
        e2e_fail $name "Cancel did not end the run"
    fi
}

no_quit() {
    local name=no-quit
    long_wait $name "NO QUIT" "WAIT 600" || return
    if e2e_driver start "$qvrun" "$(e2e_win_dir $name)\\wait.qvc" + \
        wait-window "$e2e_title" 20000 + wait-shown $frame Count 20000 + disabled $frame CancelBut + close $frame + \
        sleep 2000 + visible $frame + terminate; then
        e2e_pass $name
    else
        e2e_fail $name "Cancel could still be pressed, or the window closed, after NO QUIT"
    fi
}

# Pause during a folder copy holds it at the next file and only stops the animation: the window
# keeps its copy layout until Resume, and the copy then ends with every file.
pause_during_copy() {
    local name=pause-during-copy dir win script copied
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    mkdir -p "$dir/src"
    for i in $(seq 2000); do printf 'x' >"$dir/src/f$i.txt"; done
    script="$win\\copy.qvc"
    printf '%s\n' "COPY $win\\src>$win\\dst" "AFTER THE COPY" | e2e_compile "$dir/copy.qvc" || return
    if ! e2e_driver start "$qvrun" "$script" + wait-window "$e2e_title" 20000 + \
        wait-shown $frame Anim 30000 + click $frame cmdPause + \
        wait-window "$e2e_title - Script Paused" 10000 + sleep 1000 + control-visible $frame Anim + \
        control-hidden $frame IconHolder + click $frame cmdPause + wait-window "Error Log" 60000 + \
        close "Error Log" + wait-exit 30000; then
        e2e_fail $name "the paused copy left its layout, or did not go on after Resume"
        return
    fi
    copied=$(find "$dir/dst/src" -type f | wc -l)
    if [ "$copied" -eq 2000 ]; then
        e2e_pass $name
    else
        e2e_fail $name "$copied of 2000 files copied"
    fi
}

e2e_case pause_resume_next
e2e_case pause_during_copy
e2e_case cancel
e2e_case no_quit
