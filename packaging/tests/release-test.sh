#!/usr/bin/env bash
# The release script and the installer it makes, with stand-ins for the programs: the real
# setup.exe, and a stand-in that records how it was started in place of qvdev.exe (and of the
# other programs). The installer runs silently (/S) under Wine in a throw-away prefix of its own.
# Needs QV_SETUP_EXE and QV_STANDIN_EXE (set by the test registration). Exit 77: skipped.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX=${QV_RELEASE_PREFIX:-$top/build/wineprefix-release}
source "$top/scripts/wine-env.sh"

passed=0
failed=0
pass() { echo "PASS $1"; passed=$((passed + 1)); }
fail() { echo "FAIL $1: $2"; failed=$((failed + 1)); }

for need in "${QV_SETUP_EXE:-}" "${QV_STANDIN_EXE:-}"; do
    [ -f "$need" ] || { echo "SKIP: setup.exe or the stand-in is not built"; exit 77; }
done
command -v makensis >/dev/null || { echo "SKIP: makensis is not installed"; exit 77; }

work=$(mktemp -d)
cleanup() {
    qv_wine_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

mkdir -p "$work/bin" "$work/docs/help"
cp "$QV_SETUP_EXE" "$work/bin/setup.exe"
for program in qvdev qvrun qvremove qvtool; do
    cp "$QV_STANDIN_EXE" "$work/bin/$program.exe"
done
printf 'Options\r\n' >"$work/docs/help/Options.htm"
printf 'A tip\r\n' >"$work/docs/Tips.tod"
printf 'Read me\r\n' >"$work/docs/readme.txt"
release() {
    QV_RELEASE_BIN="$work/bin" QV_RELEASE_DOCS="$work/docs" QV_RELEASE_OUT="$work/out" \
        "$top/packaging/make-release.sh" "$@"
}

# A program that is not built stops the release with its name.
mv "$work/bin/qvremove.exe" "$work/qvremove.exe"
if message=$(release 2>&1); then
    fail missing-program "the release was made without qvremove.exe"
elif grep -q "qvremove.exe" <<<"$message" && [ ! -e "$work/out/Quorvel-Setup.exe" ]; then
    pass missing-program
else
    fail missing-program "unclear message: $message"
fi
mv "$work/qvremove.exe" "$work/bin/qvremove.exe"

if ! message=$(release 2>&1); then
    fail release "$message"
    echo "$passed passed, $((failed + 1)) failed"
    exit 1
fi
pass release
expected="Quorvel/ Quorvel/Tips.tod Quorvel/help/ Quorvel/help/Options.htm Quorvel/qvdev.exe Quorvel/qvremove.exe Quorvel/qvrun.exe Quorvel/qvtool.exe Quorvel/readme.txt Quorvel/setup.exe"
listed=$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' \
    "$work/out/Quorvel-2.0.zip" | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$listed" = "$expected" ]; then pass zip; else fail zip "holds: $listed"; fi

# The silent installation: files in the program folder, the Add/Remove entry, and setup.exe
# run from there, which started the editor with /install.
qv_wine_prefix || { fail install "no Wine prefix"; exit 1; }
installed="$WINEPREFIX/drive_c/Program Files/Quorvel"
rm -rf "$installed"
cp "$work/out/Quorvel-Setup.exe" "$work/Quorvel-Setup.exe"
timeout -k 5 120 "$QV_WINE" "$work/Quorvel-Setup.exe" /S >"$work/install.out" 2>&1 </dev/null
rc=$?
[ $rc -eq 0 ] && pass installer-exit || fail installer-exit "exit code $rc"
missing=""
for file in qvdev.exe qvrun.exe setup.exe qvremove.exe qvtool.exe Tips.tod readme.txt help/Options.htm; do
    [ -f "$installed/$file" ] || missing+=" $file"
done
[ -z "$missing" ] && pass installed-files || fail installed-files "missing:$missing"

record="$installed/qvdev-started.txt"
for _ in $(seq 100); do
    [ -f "$record" ] && break
    sleep 0.2
done
if [ ! -f "$record" ]; then
    fail install-start "qvdev.exe was not started"
else
    args=$(sed -n 1p "$record" | tr -d '\r')
    folder=$(sed -n 2p "$record" | tr -d '\r')
    [ "$args" = "/install" ] && pass install-argument || fail install-argument "got '$args'"
    [ "$folder" = 'C:\Program Files\Quorvel' ] && pass install-folder || fail install-folder "got '$folder'"
fi

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'
uninstall=$(timeout -k 5 60 "$QV_WINE" reg query "$key" /v UninstallString 2>/dev/null </dev/null | tr -d '\r')
if grep -qiF '"C:\windows\qvremove.exe" "C:\Program Files\Quorvel"' <<<"$uninstall"; then
    pass add-remove-entry
else
    fail add-remove-entry "UninstallString: $uninstall"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
