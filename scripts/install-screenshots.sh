#!/usr/bin/env bash
# Screenshots of the installation's windows as a user sees them, inside Wine's virtual desktop:
# the import wizard with two entries marked, both pages of the options dialog, and the help page
# its Help button opens (rendered by headless Chromium: under Wine the page would go to the
# host's browser). Writes build/screenshots/install-{wizard,options-general,options-netlyre,
# help}.png. Needs the windows build and ImageMagick's import; without a DISPLAY it runs itself
# inside scripts/with-xvfb.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
windows_build=${QV_WINDOWS_BUILD:-$top/build/windows}
program_dir=$windows_build/editor/win32
driver=$windows_build/tests/e2e/qvdriver.exe
out=${1:-$top/build/screenshots}
for need in "$program_dir/qvdev.exe" "$driver"; do
    [ -e "$need" ] || {
        echo "install-screenshots: $need is missing; build the windows preset first" >&2
        exit 1
    }
done
command -v import >/dev/null || {
    echo "install-screenshots: ImageMagick's import is missing (apt-get install imagemagick)" >&2
    exit 1
}
if [ -z "${DISPLAY:-}" ]; then
    exec timeout -k 10 600 "$top/scripts/with-xvfb" "$0" "$@"
fi
export WINEPREFIX=$top/build/wineprefix-screens
export QV_WINE_DESKTOP=1024x768
source "$top/scripts/wine-env.sh"
qv_wine_stop
qv_wine_prefix || exit 1
trap qv_wine_stop EXIT
mkdir -p "$out"

# The program without its help pages, so that no Help press reaches the host's browser.
bin=$WINEPREFIX/drive_c/Quorvel
rm -rf "$bin"
mkdir -p "$bin"
cp "$program_dir/qvdev.exe" "$program_dir/Tips.tod" "$bin/"

wine_run() { timeout -k 5 60 "$QV_WINE" "$@" >/dev/null 2>&1 </dev/null; }
drive() { timeout -k 5 60 "$QV_WINE" "$driver" "$@" </dev/null 2>/dev/null; }
shot() {
    sleep 1
    import -window root "$out/install-$1.png" && echo "$out/install-$1.png"
}
view="class=TfrmView"
wizard="class=TfrmMain"

# Something to import: a shortcut in the Startup folder and two Run values.
folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
startup=$(timeout -k 5 60 "$QV_WINE" reg query "$folders" /v Startup </dev/null 2>/dev/null |
    tr -d '\r' | awk '/REG_SZ/ { sub(/^.*REG_SZ +/, ""); print }')
startup_unix="$WINEPREFIX/drive_c/$(printf '%s' "${startup#[Cc]:\\}" | tr '\\' /)"
mkdir -p "$startup_unix"
echo "a shortcut" >"$startup_unix/Mail.lnk"
run='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
wine_run reg add "$run" /v Tray /d 'C:\Tools\tray.exe /quiet' /f
wine_run reg add "$run" /v Backup /d 'C:\Program Files\Backup\agent.exe' /f
wine_run reg add 'HKCU\Software\Trevanta\Quorvel Developer' /v "Show Tips" /t REG_DWORD /d 0 /f

timeout -k 5 120 "$QV_WINE" "$bin/qvdev.exe" </dev/null >/dev/null 2>&1 &
drive wait-window "class=TfrmView" 30000 >/dev/null
drive command "$view" ImportWizard1 + wait-window "Quorvel Lite - Gathermoor" 10000 + \
    select "$wizard" ListBox1 1 + key "$wizard" ListBox1 32 + sleep 300 + \
    select "$wizard" ListBox1 4 + key "$wizard" ListBox1 32 + sleep 300 >/dev/null
shot wizard
drive click "$wizard" cmdCancel + wait-unseen "Quorvel Lite - Gathermoor" 10000 >/dev/null
drive command "$view" Options1 + wait-window Options 10000 >/dev/null
shot options-general
drive key Options PageControl1 39 + sleep 300 >/dev/null
shot options-netlyre
drive click Options OptionsCancel + wait-unseen Options 10000 + close "$view" >/dev/null
sleep 2
drive none qvdev.exe >/dev/null

# The page the Help buttons open.
if command -v chromium >/dev/null; then
    timeout -k 5 60 chromium --headless --no-sandbox --disable-gpu --window-size=900,700 \
        --screenshot="$out/install-help.png" "file://$top/docs/help/Import_Wizard.html" \
        >/dev/null 2>&1 && echo "$out/install-help.png"
fi
