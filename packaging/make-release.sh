#!/usr/bin/env bash
# Builds the release from the Windows build: the installer Quorvel-Setup.exe (NSIS) and a zip of
# the same files for those who copy by hand, in build/release/.
#   packaging/make-release.sh [BUILD_DIR]      BUILD_DIR defaults to build/windows
# QV_RELEASE_BIN: a folder that holds all five programs, instead of their places in BUILD_DIR.
# QV_RELEASE_DOCS: the folder of help/, Tips.tod and readme.txt (default docs/).
# QV_RELEASE_OUT: the output folder (default build/release).
# QV_RELEASE_ICON: the installer's icon (default: the program icon of BUILD_DIR).
# Exits non-zero, saying what is missing, when a file of the release is not there.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$top/build/windows}
docs=${QV_RELEASE_DOCS:-$top/docs}
out=${QV_RELEASE_OUT:-$top/build/release}
version=2.0

fail() {
    echo "make-release: $*" >&2
    exit 1
}

# Where each program is built in the Windows build tree.
declare -A built=(
    [qvdev.exe]=editor/win32/qvdev.exe
    [qvrun.exe]=interpreter/win32/qvrun.exe
    [setup.exe]=setup/setup.exe
    [qvremove.exe]=uninstall/qvremove.exe
    [qvtool.exe]=tools/qvtool/qvtool.exe
)
programs=(qvdev.exe qvrun.exe setup.exe qvremove.exe qvtool.exe)

for tool in makensis zip; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

declare -A source_of=()
missing=()
for program in "${programs[@]}"; do
    if [ -n "${QV_RELEASE_BIN:-}" ]; then
        source_of[$program]="$QV_RELEASE_BIN/$program"
    else
        source_of[$program]="$build/${built[$program]}"
    fi
    [ -f "${source_of[$program]}" ] || missing+=("$program (looked for ${source_of[$program]})")
done
for doc in help Tips.tod readme.txt; do
    [ -e "$docs/$doc" ] || missing+=("$doc (looked for $docs/$doc)")
done
if [ ${#missing[@]} -gt 0 ]; then
    printf 'make-release: not built yet, so no release is made:\n' >&2
    printf '  %s\n' "${missing[@]}" >&2
    [ -n "${QV_RELEASE_BIN:-}" ] ||
        echo "Build the Windows programs first: cmake --preset windows && cmake --build --preset windows" >&2
    exit 1
fi

# makensis works in the script's folder: every path handed to it is absolute.
mkdir -p "$out"
out=$(cd "$out" && pwd)
stage="$out/stage/Quorvel"
rm -rf "$out/stage"
mkdir -p "$stage"
for program in "${programs[@]}"; do
    cp "${source_of[$program]}" "$stage/$program"
done
cp -r "$docs/help" "$stage/help"
cp "$docs/Tips.tod" "$docs/readme.txt" "$stage/"

installer="$out/Quorvel-Setup.exe"
archive="$out/Quorvel-$version.zip"
rm -f "$installer" "$archive"
log="$out/makensis.log"
defines=(-DSTAGE="$stage" -DOUTFILE="$installer" -DVERSION="$version")
# The program icon the Windows build drew, when it is there.
icon=${QV_RELEASE_ICON:-$build/resources/icons/qvrun.ico}
[ -f "$icon" ] && defines+=(-DICON="$(cd "$(dirname "$icon")" && pwd)/$(basename "$icon")")
if ! makensis -V2 "${defines[@]}" "$top/packaging/Quorvel.nsi" >"$log" 2>&1; then
    cat "$log" >&2
    fail "makensis could not build the installer"
fi
(cd "$out/stage" && zip -qr -X "$archive" Quorvel) || fail "zip could not pack $archive"
echo "make-release: $installer"
echo "make-release: $archive"
