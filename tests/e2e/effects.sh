#!/usr/bin/env bash
# The file commands of the real interpreter, checked by their effects on the files inside the
# prefix and by the exact entries of the ones that fail.
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

e2e_case files
