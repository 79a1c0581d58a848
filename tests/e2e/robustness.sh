#!/usr/bin/env bash
# The real interpreter on damaged and extreme input: it must end by itself, without a crash and
# without hanging, and large scripts must still be reported exactly.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool

e2e_install_qvrun
# Large scripts take longer to load and to show.
export E2E_LOG_WAIT=120000

# A file that is no valid script in either form ends the interpreter silently: no window stays,
# no crash.
damaged() {
    local name=$1 dir file
    dir=$(e2e_case_dir damaged)
    file="$dir/$name.qvc"
    case $name in
    empty) : >"$file" ;;
    line-end-only) printf '\r\n' >"$file" ;;
    random-bytes) perl -e 'srand(7); print map { chr(int(rand(256))) } 1 .. 4096' >"$file" ;;
    truncated | one-character-changed | alphabet-megabyte)
        printf '%s\n' "LOAD C:\\nothing\\here.exe" "WAIT 1" "THIS WOULD BE REPORTED" |
            e2e_compile "$e2e_out/valid.qvc" || return
        case $name in
        truncated) head -c "$(($(stat -c %s "$e2e_out/valid.qvc") / 2))" "$e2e_out/valid.qvc" >"$file" ;;
        one-character-changed)
            # A character of the first enciphered block: the header deciphers to noise.
            perl -0777 -pe 'substr($_, 30, 1) = substr($_, 30, 1) eq "A" ? "B" : "A"' \
                "$e2e_out/valid.qvc" >"$file"
            ;;
        alphabet-megabyte) perl -e 'print "AbCd" x 262144, ".\r\n"' >"$file" ;;
        esac
        ;;
    esac
    if e2e_driver start "$qvrun" "$(e2e_win_dir damaged)\\$name.qvc" + wait-exit 60000; then
        e2e_pass "damaged-$name"
    else
        e2e_fail "damaged-$name" "the interpreter crashed or did not end by itself"
    fi
}

# 100,000 lines: comments up to the last, which is reported with its line number.
long_script() {
    local name=100000-lines dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\long.qvc"
    perl -e 'print "; filler $_\n" for 1 .. 99999; print "LAST LINE OF A LONG SCRIPT\n"' |
        e2e_compile "$dir/long.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 100001 "LAST LINE OF A LONG SCRIPT"
    } >"$e2e_out/$name.expected"
    e2e_check_log $name "$script"
}

# 100,000 reported lines: the report grows to several megabytes and is shown whole.
long_report() {
    local name=100000-entries dir script
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\errors.qvc"
    perl -e 'print "JUNK $_\n" for 1 .. 100000' | e2e_compile "$dir/errors.qvc" || return
    SCRIPT="$script" perl -e '
        print "An Error Has Occurred Whilst Processing the Script(s)\r\n";
        print "Invalid Command (200) In Script File : $ENV{SCRIPT}\r\n\t Line : ", $_ + 1,
              " \x27JUNK $_\x27\r\n" for 1 .. 100000' >"$e2e_out/$name.expected"
    e2e_check_log $name "$script"
}

# One line of a megabyte.
long_line() {
    local name=megabyte-line dir script line
    dir=$(e2e_case_dir $name)
    script="$(e2e_win_dir $name)\\wide.qvc"
    line=$(perl -e 'print "X" x 1048576')
    printf '%s\n' "$line" | e2e_compile "$dir/wide.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 2 "$line"
    } >"$e2e_out/$name.expected"
    e2e_check_log $name "$script"
}

for case in empty line-end-only random-bytes truncated one-character-changed alphabet-megabyte; do
    e2e_case damaged $case
done
e2e_case long_script
e2e_case long_report
e2e_case long_line
