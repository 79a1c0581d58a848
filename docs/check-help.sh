#!/usr/bin/env bash
# Checks the help pages, readme.txt and Tips.tod as the programs use them: every topic the
# programs open by name has its page, every link between pages resolves, no page reaches outside
# the help folder, and the two text files have the form the programs and the program group expect.
# Prints "N passed, N failed" and exits non-zero when anything fails.
set -uo pipefail
docs=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
help="$docs/help"
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() {
    failed=$((failed + 1))
    echo "FAIL: $*"
}

# The topic names the programs open; the page is the name without trailing dots, plus ".html".
topics=(Read_Me_First "Whats_New..." Run_Program Copy_Files Rename_Files Delete_Files
    Connect_Network_Drives Change_Desktop Wait Wait_for_Window Close_Program Minimize_Program
    Script_Window_Position Sendkeys_to_Program Enable_or_Disable Change_System_Time
    Creating_a_Menu Import_Wizard Options)

for topic in "${topics[@]}"; do
    page="$(sed -E 's/\.+$//' <<<"$topic").html"
    if [ -f "$help/$page" ]; then pass; else fail "topic \"$topic\" has no page $page"; fi
done
for page in index.html language.html logon.html install.html help.css; do
    if [ -f "$help/$page" ]; then pass; else fail "missing $page"; fi
done

# Prints the values of one attribute in a page, one a line.
attribute_values() {
    grep -o "$1=\"[^\"]*\"" "$2" | sed -E "s/^$1=\"(.*)\"$/\1/"
}

declare -A linked=()
for file in "$help"/*.html; do
    page=$(basename "$file")
    ok=true
    grep -q '<link rel="stylesheet" href="help.css">' "$file" ||
        { fail "$page: does not use help.css"; ok=false; }
    grep -q '<header class="bar"><a class="brand" href="index.html">Quorvel</a>' "$file" ||
        { fail "$page: no header with the product name and a link to the contents"; ok=false; }
    grep -qiE '<script|<iframe|<object|<embed|<img|@import|url\(' "$file" &&
        { fail "$page: loads something besides its stylesheet"; ok=false; }
    while IFS= read -r target; do
        [ -n "$target" ] || continue
        case "$target" in
        *:* | //*)
            fail "$page: reaches outside the help folder: $target"
            ok=false
            continue
            ;;
        esac
        name=${target%%#*}
        anchor=
        [[ "$target" == *"#"* ]] && anchor=${target#*#}
        [ -n "$name" ] || name=$page
        if [ ! -f "$help/$name" ]; then
            fail "$page: link to a missing page: $target"
            ok=false
            continue
        fi
        if [ -n "$anchor" ] && ! grep -q "id=\"$anchor\"" "$help/$name"; then
            fail "$page: link to a missing place: $target"
            ok=false
            continue
        fi
        [ "$name" != "$page" ] && linked[$name]=1
    done < <(attribute_values href "$file" | grep -v '^help\.css$'; attribute_values src "$file")
    $ok && pass
done

# Every page can be reached from another one, so none is lost to a reader who starts at the
# contents.
for file in "$help"/*.html; do
    page=$(basename "$file")
    [ "$page" = index.html ] && continue
    if [ -n "${linked[$page]:-}" ]; then pass; else fail "no page links to $page"; fi
done

# Text files for Windows: CR LF after every line and no bare CR or LF.
crlf_only() {
    [ -s "$1" ] && [ "$(tail -c 2 "$1" | od -An -tx1 | tr -d ' \n')" = 0d0a ] &&
        [ "$(grep -c $'\r$' "$1")" -eq "$(wc -l <"$1")" ] &&
        [ "$(tr -cd '\r' <"$1" | wc -c)" -eq "$(wc -l <"$1")" ]
}

readme="$docs/readme.txt"
if [ -f "$readme" ] && crlf_only "$readme"; then pass; else fail "readme.txt: missing, or not CR LF"; fi
if [ -f "$readme" ]; then
    long=$(tr -d '\r' <"$readme" | awk 'length > 78 { print NR }' | head -5 | tr '\n' ' ')
    if [ -z "$long" ]; then pass; else fail "readme.txt: lines longer than 78 characters: $long"; fi
fi

tips="$docs/Tips.tod"
if [ -f "$tips" ] && crlf_only "$tips"; then pass; else fail "Tips.tod: missing, or not CR LF"; fi
if [ -f "$tips" ]; then
    if ! grep -qE $'^\r?$' "$tips"; then pass; else fail "Tips.tod: blank lines"; fi
    count=$(wc -l <"$tips")
    if [ "$count" -ge 25 ]; then pass; else fail "Tips.tod: $count tips, fewer than 25"; fi
fi

for file in "$readme" "$tips" "$help"/*.html "$help/help.css"; do
    [ -f "$file" ] || continue
    if ! LC_ALL=C grep -q $'[^\t\r -~]' "$file"; then pass; else fail "$(basename "$file"): characters outside plain ASCII"; fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
