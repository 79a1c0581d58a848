#!/usr/bin/env bash
# The file commands of the real interpreter, checked by their effects on the files inside the
# prefix and by the exact entries of the ones that fail; the copy switches with the replace
# dialog answered from outside.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_require qvrun qvtool
e2e_install_qvrun

files() {
    local name=file-commands dir win script
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    script="$win\\files.qvc"
    mkdir -p "$dir/src/tree/sub" "$dir/keep" "$dir/del"
    printf 'one' >"$dir/src/tree/f1.txt"
    printf 'two' >"$dir/src/tree/sub/f2.txt"
    printf 'single' >"$dir/src/one.txt"
    printf 'newer' >"$dir/src/kept.txt"
    printf 'older' >"$dir/keep/kept.txt"
    printf 'bravo' >"$dir/b.txt"
    printf 'taken' >"$dir/taken.txt"
    printf 'x' >"$dir/del/a.tmp"
    printf 'x' >"$dir/del/b.tmp"
    printf 'x' >"$dir/del/old.log"
    printf 'x' >"$dir/del/stays.txt"
    local lines=(
        "COPY $win\\src\\tree>$win\\new\\deeper"
        "COPY $win\\src\\tree\\>$win\\flat"
        "COPY $win\\src\\one.txt>$win\\single\\"
        "COPY $win\\src\\kept.txt>$win\\keep\\ /DNO"
        "RENAME $win\\b.txt>$win\\c.txt"
        "RENAME $win\\c.txt>$win\\taken.txt"
        "DEL $win\\del\\*.tmp;$win\\del\\old.log"
        "COPY $win\\src\\missing.txt>$win\\single\\"
    )
    printf '%s\n' "${lines[@]}" | e2e_compile "$dir/files.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "Rename Failed (203) In Script File : " "$script" 7 "${lines[5]}"
        printf 'Copy Failed (202) In Script File : %s\r\nLine : 9 '\''%s'\''\r\n2 - %s to %s\r\n' \
            "$script" "${lines[7]}" "$win\\src\\missing.txt" "$win\\single\\missing.txt"
    } >"$e2e_out/$name.expected"
    if ! e2e_run_to_log "$qvrun" "$e2e_out/$name.txt" "$script"; then
        e2e_fail $name "no Error Log, or the interpreter did not end after it"
        return
    fi
    e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" || return
    local wrong=""
    # Each expectation: a file and its content, or "gone".
    while read -r file want; do
        if [ "$want" = gone ]; then
            [ -e "$dir/$file" ] && wrong+=" $file(still there)"
        elif [ "$(cat "$dir/$file" 2>/dev/null)" != "$want" ]; then
            wrong+=" $file"
        fi
    done <<'EOF'
new/deeper/tree/f1.txt one
new/deeper/tree/sub/f2.txt two
flat/f1.txt one
flat/sub/f2.txt two
single/one.txt single
keep/kept.txt older
b.txt gone
c.txt bravo
taken.txt taken
del/a.tmp gone
del/b.tmp gone
del/old.log gone
del/stays.txt x
EOF
    if [ -n "$wrong" ]; then
        e2e_fail $name "wrong or missing files:$wrong"
    else
        e2e_pass $name
    fi
}

# The switches of a folder copy, each on a destination prepared for it: /ON by dates, /DNO,
# /CIE answered No and then Yes in the replace dialog, /DNCS, /ORO alone and with /DNO on a
# read-only target. (No read-only contrast without /ORO: Wine run as root overwrites such a
# target where Windows refuses.)
copy_switches() {
    local name=copy-switches dir win script replace="class=TfrmReplace"
    dir=$(e2e_case_dir $name)
    win=$(e2e_win_dir $name)
    script="$win\\switches.qvc"
    mkdir -p "$dir/src/sub" "$dir/on/sub" "$dir/dno" "$dir/cie/sub" "$dir/oro" "$dir/orodno"
    printf 'new top' >"$dir/src/top.txt"
    printf 'fresh' >"$dir/src/fresh.txt"
    printf 'new deep' >"$dir/src/sub/deep.txt"
    touch -d 2025-01-01 "$dir/src/top.txt" "$dir/src/fresh.txt" "$dir/src/sub/deep.txt"
    printf 'old top' >"$dir/on/top.txt"
    touch -d 2020-01-01 "$dir/on/top.txt"
    printf 'newer deep' >"$dir/on/sub/deep.txt"
    touch -d 2030-01-01 "$dir/on/sub/deep.txt"
    printf 'kept top' >"$dir/dno/top.txt"
    printf 'old top' >"$dir/cie/top.txt"
    printf 'old deep' >"$dir/cie/sub/deep.txt"
    for target in oro orodno; do
        printf 'read-only top' >"$dir/$target/top.txt"
        # Wine shows a file without write permission as read-only.
        chmod a-w "$dir/$target/top.txt"
    done
    local lines=(
        "COPY $win\\src\\>$win\\on /ON"
        "COPY $win\\src\\>$win\\dno /DNO"
        "COPY $win\\src\\>$win\\cie /CIE"
        "COPY $win\\src\\>$win\\dncs /DNCS"
        "COPY $win\\src\\>$win\\oro /ORO"
        "COPY $win\\src\\>$win\\orodno /ORO /DNO"
        "AFTER THE COPIES"
    )
    printf '%s\n' "${lines[@]}" | e2e_compile "$dir/switches.qvc" || return
    {
        printf '%s\r\n' "$e2e_log_header"
        e2e_entry "$e2e_invalid" "$script" 8 "AFTER THE COPIES"
    } >"$e2e_out/$name.expected"
    local asks="This folder already contains a file called "
    # The questions come in the copy's order: the top folder's files first.
    if ! e2e_driver start "$qvrun" "$script" + \
        wait-text $replace labFilename "${asks}'top.txt'" 30000 + click $replace butNo + \
        wait-text $replace labFilename "${asks}'sub\\deep.txt'" 30000 + click $replace butYes + \
        wait-window "Error Log" 60000 + \
        text "Error Log" Edit1 "$(e2e_host_path "$e2e_out/$name.txt")" + close "Error Log" + \
        wait-exit 30000; then
        e2e_fail $name "the replace dialog did not ask as expected, or no Error Log came"
        return
    fi
    e2e_same_text $name "$e2e_out/$name.expected" "$e2e_out/$name.txt" || return
    local wrong=""
    while read -r file want; do
        if [ "$want" = gone ]; then
            [ -e "$dir/$file" ] && wrong+=" $file(still there)"
        elif [ "$(cat "$dir/$file" 2>/dev/null)" != "$want" ]; then
            wrong+=" $file"
        fi
    done <<'EOF_FILES'
on/top.txt new top
on/sub/deep.txt newer deep
on/fresh.txt fresh
dno/top.txt kept top
dno/sub/deep.txt new deep
dno/fresh.txt fresh
cie/top.txt old top
cie/sub/deep.txt new deep
cie/fresh.txt fresh
dncs/top.txt new top
dncs/fresh.txt fresh
dncs/sub gone
oro/top.txt new top
orodno/top.txt read-only top
EOF_FILES
    # /ORO takes the read-only attribute away even from a target that is then skipped.
    for target in oro orodno; do
        [[ $(stat -c %A "$dir/$target/top.txt") == ??w* ]] || wrong+=" $target/top.txt(read-only)"
    done
    if [ -n "$wrong" ]; then
        e2e_fail $name "wrong or missing files:$wrong"
    else
        e2e_pass $name
    fi
}

e2e_case files
e2e_case copy_switches
