#!/usr/bin/env bash
# What the real editor knows of a script before it runs: the problem overlay on a row the
# interpreter would report and its message in the status bar, the Check Script list, What if...
# on both sides of a LOAD time window (equal to qvtool.exe run on the saved script), and View
# Run Log with and without a log.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvtool qvtool-exe
e2e_require_qvdev
cp "$QV_QVTOOL_EXE" "$(e2e_case_dir bin)/"
qvtool_exe="$(e2e_win_dir bin)\\$(basename "$QV_QVTOOL_EXE")"
whatif="What if..."

# An unknown line carries the overlay, the others none; focused, its message is in the status
# bar; Check Script lists it, and Go To focuses its row again.
problem_row() {
    local name=problem-row dir
    dir=$(e2e_case_dir $name)
    crlf "ERROR ON" "bogus line" "WAIT 5" >"$dir/marked.qvs"
    if e2e_driver start "$qvdev" "$(e2e_win_dir $name)\\marked.qvs" + \
        wait-window "$e2e_title - [marked]" 30000 + overlay $view ListView1 0 0 + \
        overlay $view ListView1 1 1 + overlay $view ListView1 2 0 + \
        select $view ListView1 1 + wait-text $view StatusBar1 "Invalid Command (200)" 10000 + \
        select $view ListView1 2 + wait-text $view StatusBar1 "" 10000 + \
        command $view CheckScript1 + wait-window "Check Script" 10000 + \
        expect-text "Check Script" ProblemSummary \
        "1 line of this script would be reported by the interpreter:" + \
        click "Check Script" ProblemGoTo + wait-unseen "Check Script" 10000 + \
        wait-text $view StatusBar1 "Invalid Command (200)" 10000 + close $view + \
        wait-exit 30000; then
        e2e_pass $name
    else
        e2e_fail $name "no overlay, message or problem list for the unknown line"
    fi
}

# A line typed in the text view is checked when the list comes back.
typed_problem() {
    local name=typed-problem dir
    dir=$(e2e_case_dir $name)
    crlf "LOGOFF" >"$dir/typed.qvs"
    if e2e_driver start "$qvdev" "$(e2e_win_dir $name)\\typed.qvs" + \
        wait-window "$e2e_title - [typed]" 30000 + overlay $view ListView1 0 0 + \
        command $view TextView1 + wait-shown $view Memo1 10000 + \
        set-text $view Memo1 'WAIT soon\nLOGOFF' + command $view ListView2 + \
        wait-row $view ListView1 1 "Log Off User" 10000 + overlay $view ListView1 0 1 + \
        overlay $view ListView1 1 0 + terminate; then
        e2e_pass $name
    else
        e2e_fail $name "the typed line's problem was not marked"
    fi
}

# What if... at 07:59 and at 08:00 on a LOAD with (08001230): skipped, then started; each report
# is the one qvtool.exe run prints for the saved and compiled script, byte for byte.
what_if() {
    local name=what-if dir script moment tag status
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\window.qvs"
    crlf "ERROR ON" "LOAD C:\\APPS\\SYNC.EXE {/quiet} (08001230)" "bogus line" >"$dir/window.qvs"
    timeout -k 5 120 "$QV_QVTOOL" compile "$dir/window.qvs" >/dev/null || {
        e2e_fail $name "qvtool could not compile the script"
        return
    }
    for moment in "2026-03-02 07:59" "2026-03-02 08:00"; do
        tag=${moment#* }
        tag=${tag/:/}
        timeout -k 5 120 "$QV_WINE" "$qvtool_exe" run "$(e2e_win_dir $name)\\window.qvc" \
            --at "$moment" --user alice --computer PC01 --answer yes \
            >"$e2e_out/$name-$tag.expected" 2>/dev/null </dev/null
        status=$?
        if [ $status -ge 124 ]; then
            e2e_fail $name "qvtool.exe run crashed or hung (status $status)"
            return
        fi
    done
    if ! grep -q 'SYNC.EXE {/quiet} (08001230)  ->  skipped' "$e2e_out/$name-0759.expected" ||
        ! grep -q 'would start C:\\APPS\\SYNC.EXE' "$e2e_out/$name-0800.expected"; then
        e2e_fail $name "qvtool.exe run does not report skip, then start"
        return
    fi
    if ! e2e_driver start "$qvdev" "$script" + wait-window "$e2e_title - [window]" 30000 + \
        command $view WhatIf1 + wait-window "$whatif" 10000 + \
        set-text "$whatif" WhatIfUser alice + set-text "$whatif" WhatIfComputer PC01 + \
        set-text "$whatif" WhatIfAt "2026-03-02 07:59" + click "$whatif" WhatIfRun + \
        wait-contains "$whatif" WhatIfReport "(08001230)  ->  skipped" 10000 + \
        text "$whatif" WhatIfReport "$(e2e_host_path "$e2e_out/$name-0759.txt")" + \
        set-text "$whatif" WhatIfAt "2026-03-02 08:00" + click "$whatif" WhatIfRun + \
        wait-contains "$whatif" WhatIfReport "would start C:\\APPS\\SYNC.EXE" 10000 + \
        text "$whatif" WhatIfReport "$(e2e_host_path "$e2e_out/$name-0800.txt")" + \
        click "$whatif" WhatIfClose + wait-unseen "$whatif" 10000 + close $view + \
        wait-exit 30000; then
        e2e_fail $name "What if... did not report skip at 07:59 and start at 08:00"
        return
    fi
    e2e_same_text "$name-0759" "$e2e_out/$name-0759.expected" "$e2e_out/$name-0759.txt" &&
        e2e_same_text "$name-0800" "$e2e_out/$name-0800.expected" "$e2e_out/$name-0800.txt" &&
        e2e_pass $name
}

# Before the interpreter's first run View Run Log says where the log will be; with a log there,
# it shows it.
run_log() {
    local name=run-log dir path unix
    dir=$(e2e_case_dir $name)
    crlf "LOGOFF" >"$dir/log.qvs"
    # Runs of the interpreter in this prefix by other groups leave a log of their own.
    find "$WINEPREFIX/drive_c/users" -ipath '*/quorvel/qvrun.log' -delete 2>/dev/null
    if ! e2e_driver start "$qvdev" "$(e2e_win_dir $name)\\log.qvs" + \
        wait-window "$e2e_title - [log]" 30000 + command $view ViewRunLog1 + \
        wait-window "$prompt" 10000 + \
        text "$prompt" MessageText "$(e2e_host_path "$e2e_out/$name-none.txt")" + \
        click "$prompt" OK + close $view + wait-exit 30000; then
        e2e_fail $name "no message for a missing run log"
        return
    fi
    path=$(grep -o 'C:\\.*qvrun\.log' "$e2e_out/$name-none.txt" | head -1)
    if [ -z "$path" ]; then
        e2e_fail $name "the message does not say where the log will be: $(cat "$e2e_out/$name-none.txt")"
        return
    fi
    # The prefix's own folder for that path; Wine's file names are case-blind, the host's not.
    unix="$WINEPREFIX/drive_c/$(printf '%s' "${path#C:\\}" | sed 's|\\|/|g')"
    mkdir -p "$(dirname "$unix")"
    printf 'first run\r\nlast run: LOGOFF\r\n' >"$unix"
    if e2e_driver start "$qvdev" "$(e2e_win_dir $name)\\log.qvs" + \
        wait-window "$e2e_title - [log]" 30000 + command $view ViewRunLog1 + \
        wait-window "Run Log" 10000 + wait-contains "Run Log" RunLogText "last run: LOGOFF" 10000 + \
        click "Run Log" RunLogClose + wait-unseen "Run Log" 10000 + close $view + \
        wait-exit 30000; then
        e2e_pass $name
    else
        e2e_fail $name "View Run Log did not show the log at $path"
    fi
    rm -f "$unix"
}

for scenario in problem_row typed_problem what_if run_log; do
    e2e_case $scenario
    editor_none $scenario
done
