#!/usr/bin/env bash
# What-if runs against real runs: the Windows qvtool's "run --dry-run" must report exactly what
# the interpreter's Error Log shows for the same compiled script, and the interpreter's run log
# must hold each command and each error entry of a run.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool qvtool-exe
e2e_install_qvrun
cp "$QV_QVTOOL_EXE" "$(e2e_case_dir bin)/qvtool.exe"
qvtool_exe="$(e2e_win_dir bin)\\qvtool.exe"

# The report part of a what-if run's output: from the Error Log's first line to the end.
report_of() {
    HEADER="$e2e_log_header" perl -0777 -ne \
        'my $at = index($_, $ENV{HEADER}); print substr($_, $at) if $at >= 0' "$1"
}

# One script of the lines given, run both ways.
same_report() {
    local name=$1 dir script status
    shift
    dir=$(e2e_case_dir "$name")
    script="$(e2e_win_dir "$name")\\script.qvc"
    printf '%s\n' "$@" | e2e_compile "$dir/script.qvc" || return
    # The what-if run prints under Wine with the same C:\ path the interpreter sees; its exit
    # code tells only whether there were problems, so a crash or a hang alone fails it.
    timeout -k 5 120 "$QV_WINE" "$qvtool_exe" run --dry-run "$script" \
        >"$e2e_out/$name.whatif" 2>"$e2e_out/$name.whatif-err" </dev/null
    status=$?
    if [ $status -ge 124 ]; then
        e2e_fail "$name" "qvtool.exe run crashed or hung (status $status)"
        return
    fi
    report_of "$e2e_out/$name.whatif" >"$e2e_out/$name.expected"
    if [ ! -s "$e2e_out/$name.expected" ]; then
        e2e_fail "$name" "qvtool.exe printed no error report"
        return
    fi
    # A console in text mode would turn each CR LF of the report into CR CR LF; told apart, so
    # that the rest of the report is still compared.
    local doubled=0
    if grep -q $'\r\r$' "$e2e_out/$name.expected"; then
        doubled=1
        perl -pi -e 's/\r\r\n/\r\n/g' "$e2e_out/$name.expected"
    fi
    if ! e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$script"; then
        e2e_fail "$name" "no Error Log, or the interpreter did not end after it"
    elif e2e_same_text "$name" "$e2e_out/$name.expected" "$e2e_out/$name.txt"; then
        if [ $doubled = 1 ]; then
            e2e_fail "$name" "qvtool.exe ends the report's lines with CR CR LF (standard output in text mode); the text is otherwise the same"
        else
            e2e_pass "$name"
        fi
    fi
}

missing="$(e2e_win_dir bin)\\missing.qvc"
e2e_case same_report invalid-lines "FIRST JUNK" "; a comment" "   ; not a comment" "LOCATE NOWHERE" \
    $'Mixed\tCase Junk'
e2e_case same_report run-missing "RUN $missing" "AFTER THE RUN"
e2e_case same_report bad-wait "WAIT soon" "WAIT 1,5" "AFTER THE WAITS"
e2e_case same_report wait-window-timeout "WAIT FOR WINDOW QV-E2E Never There" "AFTER THE WAIT"
e2e_case same_report errors-off-on "ERROR OFF" "SILENCED JUNK" "RUN $missing" \
    "WAIT FOR WINDOW QV-E2E Never There" "ERROR ON" "REPORTED JUNK" "ERROR ONCE" "SILENCED AGAIN"

# The run log of one run: the part the run appended, line by line, holds in order the run's
# start, the script, each command with its line number and duration, each error entry on one
# line (CR LF and TAB made blanks), and the end. The log counts the script's lines from its first
# command; the entries keep the Error Log's count, in which the header is line 1.
run_log() {
    local name=run-log dir win script missing logs log before=0
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    script="$win\\logged.qvc"
    missing="$win\\missing.qvc"
    # Until the interpreter carries the run log there is nothing to look for.
    if ! grep -q "run started" "$QV_QVRUN"; then
        echo "SKIP $e2e_group/$name: qvrun.exe does not write the run log yet"
        return
    fi
    printf '%s\n' "LOCATE CENTRE" "FROB" "RUN $missing" $'TAB\tJUNK' | e2e_compile "$dir/logged.qvc" ||
        return
    logs=("$WINEPREFIX"/drive_c/users/*/AppData/Local/Quorvel/qvrun.log)
    log=${logs[0]}
    [ -f "$log" ] && before=$(stat -c %s "$log")
    if ! e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$script"; then
        e2e_fail $name "no Error Log, or the interpreter did not end after it"
        return
    fi
    logs=("$WINEPREFIX"/drive_c/users/*/AppData/Local/Quorvel/qvrun.log)
    log=${logs[0]}
    if [ ! -f "$log" ]; then
        e2e_fail $name "no run log under %LOCALAPPDATA%\\Quorvel"
        return
    fi
    tail -c +$((before + 1)) "$log" >"$e2e_out/$name.log"
    local problem
    problem=$(SCRIPT="$script" MISSING="$missing" perl -0777 -ne '
        my ($s, $m) = map { quotemeta } @ENV{qw(SCRIPT MISSING)};
        my $at = qr/\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} /;
        my $took = qr/(?: -> .*)? \(\d+ ms\)/;
        my @wanted = (
            ["run started", qr/^${at}run started/],
            ["script", qr/^${at}script $s$/],
            ["LOCATE CENTRE", qr/^${at}$s line 1: LOCATE CENTRE$took$/],
            ["FROB", qr/^${at}$s line 2: FROB$took$/],
            ["entry of FROB",
             qr/^${at}error entry: Invalid Command \(200\) In Script File : $s Line : 3 \x27FROB\x27$/],
            ["RUN", qr/^${at}$s line 3: RUN $m$took$/],
            ["entry of RUN",
             qr/^${at}error entry: Run Failed \(201\) In Script File : $s Line : 4 \x27RUN $m\x27$/],
            ["TAB JUNK", qr/^${at}$s line 4: TAB JUNK$took$/],
            ["entry of TAB JUNK",
             qr/^${at}error entry: Invalid Command \(200\) In Script File : $s Line : 5 \x27TAB JUNK\x27$/],
            ["run ended", qr/^${at}run ended/],
        );
        if ($_ eq "" || substr($_, -2) ne "\r\n") { print "the run added no CR LF lines"; exit }
        for my $line (split /\r\n/, $_) {
            if ($line =~ /[\r\n\t]/ || $line !~ /^$at/) { print "malformed line: $line"; exit }
            shift @wanted if @wanted && $line =~ $wanted[0][1];
        }
        print "no line for \"$wanted[0][0]\", or out of order" if @wanted;
    ' "$e2e_out/$name.log")
    if [ -n "$problem" ]; then
        e2e_fail $name "$problem"
    else
        e2e_pass $name
    fi
}

e2e_case run_log
