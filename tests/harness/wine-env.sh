#!/usr/bin/env bash
# Starts and stops the test run's own Wine world: a project-local prefix, an Xvfb
# display and a warm wineserver. Everything it starts it ends again by PID or prefix.
#   wine-env.sh start ENVDIR     make the prefix (once), start Xvfb and the server
#   wine-env.sh stop ENVDIR      end the server of that prefix and that Xvfb
set -u
action=${1:?start or stop}
envdir=$(mkdir -p "${2:?environment folder}" && cd "$2" && pwd)
. "$(dirname "$0")/wine-select.sh"
export WINEPREFIX="$envdir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

stop() {
    wineserver -k >/dev/null 2>&1
    if [ -f "$envdir/xvfb.pid" ]; then
        kill "$(cat "$envdir/xvfb.pid")" 2>/dev/null
        rm -f "$envdir/xvfb.pid"
    fi
    rm -f "$envdir/display"
}

# Dialog templates name "MS Sans Serif" 8 pt. Without it Wine draws them in a font of 12-pixel
# lines, where Windows at 96 DPI has 13: controls the program places in pixels would stand
# differently from an engineer's screen. Wine ships that bitmap font but does not put it in the
# prefix's Fonts folder, where the font table of the prefix looks for it.
# A large-fonts scenario that could not end leaves the prefix at 120 DPI; every run starts at 96.
windows_dialog_font() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    [ -f "$fonts/sserife.fon" ] || cp /usr/share/wine/fonts/sserife.fon "$fonts/" 2>/dev/null
    if [ -f "$fonts/sseriff.fon" ]; then
        rm -f "$fonts/sseriff.fon"
        "$wine_loader" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 < /dev/null
    fi
}

wait_for() {  # seconds, command...
    local limit=$1; shift
    local end=$((SECONDS + limit))
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.2
    done
}

start() {
    stop
    rm -f "$envdir/display.fd"
    # Xvfb picks a free display and writes its number to fd 3; its output goes to
    # a file so that nothing keeps the caller's pipes open.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$envdir/display.fd" >"$envdir/xvfb.log" 2>&1 < /dev/null &
    echo $! > "$envdir/xvfb.pid"
    if ! wait_for 15 test -s "$envdir/display.fd"; then
        echo "Xvfb did not start; see $envdir/xvfb.log" >&2
        stop; return 1
    fi
    echo ":$(head -n1 "$envdir/display.fd")" > "$envdir/display"
    export DISPLAY=$(cat "$envdir/display")

    # A persistent server keeps Wine warm between the test programs.
    wineserver -p >/dev/null 2>&1 < /dev/null
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        if ! timeout 180 "$wine_loader" wineboot --init >"$envdir/wineboot.log" 2>&1 < /dev/null; then
            echo "wineboot failed; see $envdir/wineboot.log" >&2
            stop; return 1
        fi
    fi
    windows_dialog_font
    # No window manager runs on the test display. Windows Wine leaves to one wait up to two
    # seconds for it each time they are hidden or destroyed; unmanaged windows do not.
    "$wine_loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 < /dev/null
    # The prefix is ready once a program runs in it.
    if ! timeout 60 "$wine_loader" cmd /c exit >/dev/null 2>&1 < /dev/null; then
        echo "Wine does not run programs in $WINEPREFIX" >&2
        stop; return 1
    fi
    echo "Wine prefix $WINEPREFIX on display $DISPLAY"
}

case "$action" in
    start) start ;;
    stop) stop ;;
    *) echo "usage: $0 start|stop ENVDIR" >&2; exit 2 ;;
esac
