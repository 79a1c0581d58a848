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

# The one choice of loader. Every program of the project is 64-bit, and the 64-bit loader runs
# on every machine of this kind, while the 32-bit one cannot even be executed where the kernel
# runs no 32-bit programs; Debian's `wine` wrapper would pick the 32-bit one whenever wine32 is
# installed. So the 64-bit loader and its server are used for everything, on every machine.
# `wineboot` is not called: it is a wrapper that runs `wine-stable` by name.
qv_wine_choose() {
    local dir=/usr/lib/wine
    if [ -x "$dir/wine64" ]; then
        QV_WINE=$dir/wine64
    else
        QV_WINE=$(command -v wine64 || true)
    fi
    if [ -x "$dir/wineserver64" ]; then
        QV_WINESERVER=$dir/wineserver64
    else
        QV_WINESERVER=$(command -v wineserver || true)
    fi
    # Without Wine the calls fail with this name in the message; qv_wine_check says it plainly.
    QV_WINE=${QV_WINE:-no-64-bit-wine-loader}
    QV_WINESERVER=${QV_WINESERVER:-no-wine-server}
    # Programs that Wine starts itself (services, the desktop) take the same loader and server.
    export WINELOADER=$QV_WINE
    export WINESERVER=$QV_WINESERVER
}
qv_wine_choose

# QV_WINE_DESKTOP=WIDTHxHEIGHT puts every program of the prefix inside one virtual desktop.
# Without a window manager (plain Xvfb) each hidden or destroyed window otherwise costs a wait
# of two seconds, so window tests run several times faster this way. Unset: separate windows.
# The desktop is chosen when the server starts its first window station, so a change takes
# effect with the next server: the server is stopped after it.
qv_wine_desktop() {
    local want=${QV_WINE_DESKTOP:-} have="" key='HKCU\Software\Wine\Explorer'
    [ -f "$WINEPREFIX/.qv-desktop" ] && have=$(cat "$WINEPREFIX/.qv-desktop")
    [ "$want" = "$have" ] && return 0
    if [ -n "$want" ]; then
        timeout -k 5 60 "$QV_WINE" reg add "$key" /v Desktop /d Default /f \
            >/dev/null 2>&1 </dev/null &&
            timeout -k 5 60 "$QV_WINE" reg add "$key\\Desktops" /v Default /d "$want" /f \
                >/dev/null 2>&1 </dev/null || return 1
    else
        timeout -k 5 60 "$QV_WINE" reg delete "$key" /v Desktop /f >/dev/null 2>&1 </dev/null
    fi
    echo "$want" >"$WINEPREFIX/.qv-desktop"
    qv_wine_stop
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
            # To a file, not a pipe: the services Wine starts keep their output handles open.
            if ! timeout -k 5 180 "$QV_WINE" wineboot.exe -i >"$WINEPREFIX.boot.log" 2>&1 \
                </dev/null; then
                echo "wine: could not create the prefix $WINEPREFIX" >&2
                tail -5 "$WINEPREFIX.boot.log" >&2
                exit 1
            fi
            timeout -k 5 60 "$QV_WINESERVER" -w
            touch "$WINEPREFIX/.qv-ready"
        fi
        qv_wine_desktop
    ) 9>"$WINEPREFIX.lock" || return 1
    # Output away from any pipe, so that no caller waits on the server.
    "$QV_WINESERVER" -p"$QV_WINE_PERSIST" >/dev/null 2>&1 </dev/null || true
}

qv_wine_stop() {
    timeout -k 2 20 "$QV_WINESERVER" -k >/dev/null 2>&1 </dev/null || true
    timeout -k 2 20 "$QV_WINESERVER" -w >/dev/null 2>&1 </dev/null || true
}

# Stops the servers (and so every program) of all of this checkout's prefixes: the test and
# demo commands call it on their way out, also after a failure or an interrupt, so that no
# later run finds a server of theirs.
qv_wine_stop_all() {
    local prefix
    for prefix in "$qv_top"/build/wineprefix*/; do
        [ -d "$prefix" ] || continue
        WINEPREFIX=${prefix%/} qv_wine_stop
    done
}

# Proves that Wine can start a Windows program in the prefix; on failure says why in one line
# and returns non-zero, so that a broken Wine is one plain failure and not a long run of
# unrelated ones. It leaves no server behind: the programs after it may want another display.
qv_wine_check() {
    local out reason log
    if [ ! -x "$QV_WINE" ] || [ ! -x "$QV_WINESERVER" ]; then
        echo "Wine cannot start programs here: no 64-bit Wine loader or server (run scripts/install-deps.sh)" >&2
        return 1
    fi
    # Output to a file, not a pipe: the services Wine starts keep their output handles open.
    log="$WINEPREFIX.check.log"
    mkdir -p "$(dirname "$WINEPREFIX")"
    if ! qv_wine_prefix >"$log" 2>&1; then
        reason=$(tr '\n' ' ' <"$log")
        echo "Wine cannot start programs here: ${reason:-the prefix could not be made}" >&2
        return 1
    fi
    timeout -k 5 60 "$QV_WINE" cmd.exe /c echo qv-wine-ok >"$log" 2>&1 </dev/null
    qv_wine_stop
    out=$(cat "$log")
    if ! printf '%s' "$out" | grep -q qv-wine-ok; then
        reason=$(printf '%s' "$out" | tr -d '\r' | tr '\n' ' ' | cut -c1-300)
        echo "Wine cannot start programs here: ${reason:-$QV_WINE printed nothing}" >&2
        return 1
    fi
}
