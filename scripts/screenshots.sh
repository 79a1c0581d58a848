#!/usr/bin/env bash
# Screenshots of the editor as a user sees it, inside Wine's virtual desktop at 96 and 144 DPI:
# Tip of the Day, the main window in list, icon and text views, each command dialog, the import
# wizard, both pages of the options dialog, and the Compiler window; and the Import Wizard help
# page. Writes
# build/screenshots/DPI-NAME.png. Needs the windows build and ImageMagick's import; without a
# DISPLAY it runs itself inside scripts/with-xvfb.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
windows_build=${QV_WINDOWS_BUILD:-$top/build/windows}
program_dir=$windows_build/editor/win32
driver=$windows_build/tests/e2e/qvdriver.exe
out=${1:-$top/build/screenshots}
for need in "$program_dir/qvdev.exe" "$driver"; do
    [ -e "$need" ] || {
        echo "screenshots: $need is missing; build the windows preset first" >&2
        exit 1
    }
done
command -v import >/dev/null || {
    echo "screenshots: ImageMagick's import is missing (apt-get install imagemagick)" >&2
    exit 1
}
if [ -z "${DISPLAY:-}" ]; then
    exec timeout -k 10 900 "$top/scripts/with-xvfb" "$0" "$@"
fi
export WINEPREFIX=$top/build/wineprefix-screens
export QV_WINE_DESKTOP=1024x768
source "$top/scripts/wine-env.sh"
qv_wine_stop
qv_wine_prefix || exit 1
trap qv_wine_stop EXIT
mkdir -p "$out"

# The program as installed, with a script that shows most kinds of row.
bin=$WINEPREFIX/drive_c/Quorvel
rm -rf "$bin"
mkdir -p "$bin"
cp "$program_dir/qvdev.exe" "$program_dir/Tips.tod" "$bin/"
cp -r "$program_dir/help" "$bin/"
printf '%s\r\n' "WAIT 5" "LOAD C:\\windows\\notepad.exe {C:\\Logon\\Today.txt} [MAX]" \
    "CONNECT {H} [\\\\fileserver\\home]" "CAPTURE {LPT1} [\\\\printserver\\laser]" \
    "COPY C:\\Templates\\*.dot C:\\Users\\Public\\Templates /ON" "DEL C:\\Temp\\*.tmp" \
    "RENAME C:\\Logon\\today.log C:\\Logon\\yesterday.log" "DESKTOP C:\\Pictures\\Lake.bmp" \
    "WAIT FOR WINDOW Untitled - Notepad" "SENDKEYS \"Untitled - Notepad\",\"Good morning{ENTER}\"" \
    "MINIMIZE Untitled - Notepad" "CLOSE Calculator" "LOCATE 10 10" "DATE TODAY" \
    "ENABLE F5, F8, QUIT" "DISABLE F5" "PROMPT ON" "ERROR OFF" "RUN C:\\Scripts\\Net.qvc" \
    "MENU SHOW" "LOGOFF" "SHUTDOWN" >"$bin/Morning.qvs"

wine_run() { timeout -k 5 60 "$QV_WINE" "$@" >/dev/null 2>&1 </dev/null; }
# Entries for the import wizard: a shortcut in the Startup folder and two Run values.
startup=$(timeout -k 5 60 "$QV_WINE" reg query \
    'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v Startup \
    </dev/null 2>/dev/null | tr -d '\r' | awk '/REG_SZ/ { sub(/^.*REG_SZ +/, ""); print }')
startup_unix="$WINEPREFIX/drive_c/$(printf '%s' "${startup#[Cc]:\\}" | tr '\\' /)"
mkdir -p "$startup_unix"
echo "a shortcut" >"$startup_unix/Mail.lnk"
run='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
wine_run reg add "$run" /v Tray /d 'C:\Tools\tray.exe /quiet' /f
wine_run reg add "$run" /v Backup /d 'C:\Program Files\Backup\agent.exe' /f
drive() { timeout -k 5 60 "$QV_WINE" "$driver" "$@" </dev/null 2>/dev/null; }
shot() {
    sleep 1
    import -window root "$out/$dpi-$1.png" && echo "$out/$dpi-$1.png"
}
view="class=TfrmView"

for dpi in 96 144; do
    qv_wine_stop
    wine_run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f
    wine_run reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d $dpi /f
    # A first start: no stored placement, the tips on.
    wine_run reg delete 'HKCU\Software\Trevanta\Quorvel Developer' /f
    qv_wine_stop
    drive start 'C:\Quorvel\qvdev.exe' 'C:\Quorvel\Morning.qvs' + \
        wait-window "Tip of the Day" 30000 || exit 1
    shot tip
    drive click "Tip of the Day" TipClose
    shot list
    # Each command dialog as its Add command opens it, then cancelled.
    while read -r command class name; do
        drive command $view "$command" + wait-window "class=$class" 10000 || continue
        shot "dialog-$name"
        if [ "$name" = copy ]; then
            drive click "class=$class" btnMore
            shot dialog-copy-advanced
        fi
        drive close "class=$class" + wait-unseen "class=$class" 10000
    done <<'DIALOGS'
Launch1 TfrmConfigRun run
Copy2 TfrmFileCommands copy
Rename1 TfrmFileCommands rename
DeleteFile1 TfrmFileCommands delete
ChangeDesktop1 TfrmChangeDesktop desktop
Wait1 TfrmTimer timer
WaitforWindow1 TwinAPI waitforwindow
CloseProgram1 TwinAPI close
ScriptWindowPosition1 TSelWindow locate
NetworkConnect2 TMapDrv connect
NetworkCapture2 TMapDrv capture
ChangeSystemDate2 TfrmDate date
SendkeystoProgram1 TfrmSendkeys sendkeys
EnableDisable1 TCanorCantDo enable
MenuButton TfrmMenuDev menu
DIALOGS
    drive command $view IconView1
    shot icons
    drive command $view TextView1
    shot text
    # The import wizard with two entries marked (then Cancel), and both pages of the options.
    wizard="class=TfrmMain"
    drive command $view ImportWizard1 + wait-window "Quorvel Lite - Gathermoor" 10000 + \
        select "$wizard" ListBox1 1 + key "$wizard" ListBox1 32 + sleep 300 + \
        select "$wizard" ListBox1 4 + key "$wizard" ListBox1 32 + sleep 300
    shot wizard
    drive click "$wizard" cmdCancel + wait-unseen "Quorvel Lite - Gathermoor" 10000 + \
        command $view Options1 + wait-window Options 10000
    shot options-general
    drive key Options PageControl1 39
    shot options-netlyre
    drive click Options OptionsCancel + wait-unseen Options 10000
    drive command $view ListView2 + command $view Save1 + wait-window Compiler 10000
    import -window root "$out/$dpi-compiler.png" && echo "$out/$dpi-compiler.png"
    drive wait-unseen Compiler 30000 + close $view
    drive wait-gone qvdev.exe 20000 || drive none qvdev.exe
done

# The page the Help buttons open, as headless Chromium renders it: under Wine it would go to the
# host's browser.
if command -v chromium >/dev/null; then
    timeout -k 5 60 chromium --headless --no-sandbox --disable-gpu --window-size=900,700 \
        --screenshot="$out/help.png" "file://$top/docs/help/Import_Wizard.html" \
        >/dev/null 2>&1 && echo "$out/help.png"
fi
