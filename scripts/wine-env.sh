# Sourced: the environment every Wine call of the project uses.
# One throw-away prefix under the build tree; no .NET or browser add-on prompts (no network).
qv_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$qv_top/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Seconds the server stays up after its last program: warm between the tests of one run, and
# gone by itself shortly after, even when nobody calls qv_wine_stop.
QV_WINE_PERSIST=${QV_WINE_PERSIST:-60}

# QV_WINE_DESKTOP=WIDTHxHEIGHT puts every program of the prefix inside one virtual desktop.
# Without a window manager (plain Xvfb) each hidden or destroyed window otherwise costs a wait
# of two seconds, so window tests run several times faster this way. Unset: separate windows.
qv_wine_desktop() {
    local want=${QV_WINE_DESKTOP:-} have=""
    [ -f "$WINEPREFIX/.qv-desktop" ] && have=$(cat "$WINEPREFIX/.qv-desktop")
    [ "$want" = "$have" ] && return 0
    if [ -n "$want" ]; then
        timeout -k 5 60 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f \
            >/dev/null 2>&1 </dev/null &&
            timeout -k 5 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default \
                /d "$want" /f >/dev/null 2>&1 </dev/null || return 1
    else
        timeout -k 5 60 wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f \
            >/dev/null 2>&1 </dev/null
    fi
    echo "$want" >"$WINEPREFIX/.qv-desktop"
}

# Creates the prefix once (about ten seconds) and keeps a wineserver warm for the run.
qv_wine_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")" || return 1
    # Tests run in parallel: only one of them may create the prefix, the others wait for it.
    (
        flock -w 240 9 || {
            echo "wine: timed out waiting for the prefix lock of $WINEPREFIX" >&2
            exit 1
        }
        if [ ! -f "$WINEPREFIX/.qv-ready" ]; then
            mkdir -p "$WINEPREFIX"
            timeout -k 5 180 wineboot -i >/dev/null 2>&1 </dev/null || {
                echo "wine: could not create the prefix $WINEPREFIX" >&2
                exit 1
            }
            timeout -k 5 60 wineserver -w
            touch "$WINEPREFIX/.qv-ready"
        fi
        qv_wine_desktop
    ) 9>"$WINEPREFIX.lock" || return 1
    # Output away from any pipe, so that no caller waits on the server.
    wineserver -p"$QV_WINE_PERSIST" >/dev/null 2>&1 </dev/null || true
}

qv_wine_stop() {
    timeout -k 2 20 wineserver -k >/dev/null 2>&1 </dev/null || true
    timeout -k 2 20 wineserver -w >/dev/null 2>&1 </dev/null || true
}
