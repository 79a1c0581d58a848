#!/usr/bin/env bash
# The real installer end to end, in a fresh prefix of its own: packaging/make-release.sh packs
# the built programs into Quorvel-Setup.exe; the installer runs silently (/S) into Program
# Files and starts setup.exe, whose "/install" start offers the import wizard; the driver imports
# a Startup shortcut, a Run value and a Run value of the 32-bit programs' key; the uninstaller
# that Add/Remove Programs names then puts them back and removes the product. The prefix's Run
# keys and Startup folders end as they began.
export QV_E2E_PREFIX=${QV_E2E_RELEASE_PREFIX:-$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix-release-e2e}
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
for need in QV_QVDEV QV_QVRUN QV_SETUP QV_QVREMOVE QV_QVTOOL_EXE; do
    [ -f "${!need:-}" ] || {
        echo "SKIP $e2e_group: not built: $need" >&2
        exit $e2e_skip
    }
done
command -v makensis >/dev/null || {
    echo "SKIP $e2e_group: makensis is not installed" >&2
    exit $e2e_skip
}
# A fresh prefix (under the group's lock): nothing that an earlier run installed.
qv_wine_stop
rm -rf "$WINEPREFIX"
e2e_require

# shellcheck source=tests/e2e/install-lib.sh
source "$(dirname "$0")/install-lib.sh"
run32_key='HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion\Run'
user_run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# The places Windows starts programs from, as text to compare: the three Run keys as exported,
# the two Startup folders as listed.
snapshot() {
    local out=$1 key
    : >"$out"
    for key in "$run_key" "$run32_key" "$user_run_key"; do
        timeout -k 5 60 "$QV_WINE" reg export "$key" "$(e2e_host_path "$e2e_out/key.reg")" /y \
            </dev/null >/dev/null 2>&1
        { echo "== $key"; iconv -f UTF-16 -t UTF-8 "$e2e_out/key.reg" 2>/dev/null | tr -d '\r'; } >>"$out"
    done
    { echo "== user Startup"; ls -A "$startup_dir"; echo "== common Startup"; ls -A "$common_dir"; } >>"$out"
}

# Browsers opened by the help pages run nothing on the host: a command that ends at once.
install_reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d true /f >/dev/null
startup_dir=$(e2e_shell_folder Startup)
common_dir=$(e2e_shell_folder "Common Startup" HKLM)
mkdir -p "$startup_dir" "$common_dir"
# What a user's machine had before: a shortcut in the Startup folder, a Run value in each view.
echo "a shortcut" >"$startup_dir/Mail.lnk"
install_reg add "$run_key" /v QvTray /d 'C:\windows\notepad.exe' /f >/dev/null
install_reg add "$run32_key" /v QvTray32 /t REG_EXPAND_SZ /d '%SystemRoot%\regedit.exe' /f >/dev/null
snapshot "$e2e_out/before.txt"
# The comparison means something only when the entries to import are in it.
grep -q '"QvTray32"=hex(2):' "$e2e_out/before.txt" && grep -qx 'Mail.lnk' "$e2e_out/before.txt" || {
    e2e_fail snapshot "the Run keys or Startup folders could not be read: $(tr '\n' '|' <"$e2e_out/before.txt")"
    exit 1
}

release_end_to_end() {
    local name=release bin="$e2e_out/bin" rows="$e2e_out/rows.txt"
    local installer_win program index entry
    mkdir -p "$bin"
    cp "$QV_QVDEV" "$bin/qvdev.exe"
    cp "$QV_QVRUN" "$bin/qvrun.exe"
    cp "$QV_SETUP" "$bin/setup.exe"
    cp "$QV_QVREMOVE" "$bin/qvremove.exe"
    cp "$QV_QVTOOL_EXE" "$bin/qvtool.exe"
    if ! QV_RELEASE_BIN="$bin" QV_RELEASE_OUT="$e2e_root_unix/out" \
        "$e2e_top/packaging/make-release.sh" >"$e2e_out/release.log" 2>&1; then
        e2e_fail $name "make-release.sh failed: $(tail -5 "$e2e_out/release.log")"
        return
    fi
    installer_win="$(e2e_win_dir out)\\Quorvel-Setup.exe"
    if ! e2e_driver start "$installer_win" /S + wait-exit 180000; then
        e2e_fail $name "the silent installer did not end"
        return
    fi
    local installed
    installed=$(e2e_unix_path 'C:\Program Files\Quorvel')
    for program in qvdev.exe qvrun.exe setup.exe qvremove.exe qvtool.exe; do
        cmp -s "$bin/$program" "$installed/$program" ||
            e2e_fail $name "Program Files\\Quorvel\\$program is not the built one"
    done
    if ! e2e_driver wait-window "Quorvel Lite - Gathermoor" 60000 + \
        rows "$wizard" ListBox1 "$(e2e_host_path "$rows")"; then
        e2e_fail $name "the installation did not offer the import wizard"
        return
    fi
    local -a marks=()
    for entry in '  [  ] - Mail.lnk' '  [  ] - QvTray - C:\windows\notepad.exe' \
        '  [  ] - QvTray32 - %SystemRoot%\regedit.exe'; do
        index=$(e2e_entry_index "$rows" "$entry")
        [ -n "$index" ] || {
            e2e_fail $name "the wizard does not list \"$entry\": $(tr '\n' '|' <"$rows")"
            e2e_driver none qvdev.exe >/dev/null
            return
        }
        marks+=(select "$wizard" ListBox1 "$index" + key "$wizard" ListBox1 32 + sleep 600 +)
    done
    if ! e2e_driver "${marks[@]}" click "$wizard" cmdFinish + wait-window "$prompt" 20000 + \
        click "$prompt" OK + wait-gone qvdev.exe 60000; then
        e2e_fail $name "the wizard did not import and the editor did not end"
        e2e_driver none qvdev.exe >/dev/null
        return
    fi
    # The product in use: the script holds the three programs, none of which Windows starts.
    grep -c '^LOAD ' "$(e2e_unix_path 'C:\windows\common.qvs')" | grep -qx 3 ||
        e2e_fail $name "the saved script does not hold the three imported lines"
    [ -f "$startup_dir/Mail.lnk" ] && e2e_fail $name "the shortcut was not moved"
    [ -n "$(install_reg_value "$run32_key" QvTray32)" ] && e2e_fail $name "the 32-bit Run value was not moved"

    local uninstall
    uninstall=$(install_reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel' UninstallString)
    if [ "$uninstall" != '"C:\windows\qvremove.exe" "C:\Program Files\Quorvel"' ]; then
        e2e_fail $name "Add/Remove Programs names \"$uninstall\""
        return
    fi
    if ! e2e_driver start 'C:\windows\qvremove.exe' 'C:\Program Files\Quorvel' + \
        wait-window Quorvel 20000 + click Quorvel Yes + sleep 500 + wait-window Quorvel 20000 + \
        click Quorvel Yes + sleep 500 + wait-window Quorvel 60000 + \
        text Quorvel MessageText "$(e2e_host_path "$e2e_out/removed.txt")" + click Quorvel OK + \
        wait-exit 30000; then
        e2e_fail $name "the uninstaller did not ask, put back and end"
        e2e_driver none qvremove.exe >/dev/null
        return
    fi
    [ "$(cat "$e2e_out/removed.txt")" = "Quorvel has been removed. The scripts you wrote are still there." ] ||
        e2e_fail $name "the uninstaller reported: $(cat "$e2e_out/removed.txt")"
    for _ in $(seq 1 40); do
        [ -f "$(e2e_unix_path 'C:\windows\qvremove.exe')" ] || break
        sleep 0.5
    done
    snapshot "$e2e_out/after.txt"
    if ! cmp -s "$e2e_out/before.txt" "$e2e_out/after.txt"; then
        e2e_fail $name "the Run keys or Startup folders differ from before"
        diff "$e2e_out/before.txt" "$e2e_out/after.txt" | head -20
        return
    fi
    [ -d "$installed" ] && e2e_fail $name "Program Files\\Quorvel is left: $(ls "$installed" | tr '\n' ' ')"
    [ -f "$(e2e_unix_path 'C:\windows\qvremove.exe')" ] && e2e_fail $name "the uninstaller's copy is left"
    [ -n "$(install_reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel' DisplayName)" ] &&
        e2e_fail $name "the Add/Remove Programs entry is left"
    [ -f "$(e2e_unix_path 'C:\windows\common.qvs')" ] || e2e_fail $name "the user's script was deleted"
    e2e_pass $name
}

release_end_to_end
