#!/usr/bin/env bash
# Runs Mendwright on the demo machine type QX-200 in a Wine prefix of its own,
# with a few FCOs recorded as installed and the remote-support service and the
# backup utility in place. With a display the window opens there;
# without one the program runs on a private Xvfb, a screenshot is saved and the
# program is closed again.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

root=$(pwd)
export WINEPREFIX="$root/build/demo-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
workdir="$WINEPREFIX/drive_c/Mendwright"
screenshot="$root/build/demo-screenshot.png"
xvfb_pid=

cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

have_display() { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }

if ! have_display; then
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 </dev/null &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -s "$displayfile" ] && break; sleep 0.2; done
    export DISPLAY=":$(head -n1 "$displayfile")"
    rm -f "$displayfile"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the demo Wine prefix (once) ..."
    wineboot --init >/dev/null 2>&1
fi
# The dialog font with the metrics Windows has (see tests/harness/wine-env.sh).
[ -f "$WINEPREFIX/drive_c/windows/Fonts/sserife.fon" ] ||
    cp /usr/share/wine/fonts/sserife.fon "$WINEPREFIX/drive_c/windows/Fonts/"
mkdir -p "$workdir"
cp build/bin/Mendwright.exe demo/QX-200.txt "$workdir/"

# A machine with the remote-support service and the backup utility installed, as a serviced
# machine has them: no warning at start, an empty information line. The service is only looked
# for; the utility is started from the exit reminder, so a stand-in that does nothing visible
# takes its place.
service="$WINEPREFIX/drive_c/Tovren/farreach/bin/service"
utility="$WINEPREFIX/drive_c/Program Files/Quarra Backup"
mkdir -p "$service" "$utility"
: > "$service/JavaService.exe"
cp build/bin/standin_backup_utility.exe "$utility/QuarraBackup.exe"

# A machine that has had a few field changes, two of them recorded the old way.
wine reg delete 'HKLM\SOFTWARE\Velmora\FCO' /f >/dev/null 2>&1 || true
seed() { wine reg add 'HKLM\SOFTWARE\Velmora\FCO' /v "$1" /d "$2" /f >/dev/null 2>&1; }
seed 'FCO101 controller firmware' '14/03/06 by service'
seed '102' '03/11/06'
seed '117' '21/11/06'
seed '301' '05/12/06'

cd "$workdir"
if [ -z "$xvfb_pid" ]; then
    echo "Starting Mendwright on $DISPLAY (close it to end the demo) ..."
    wine Mendwright.exe
    exit 0
fi

wine Mendwright.exe >/dev/null 2>&1 &
for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Mendwright - Version 1.10"' && break
    sleep 0.3
done
if ! xwininfo -root -tree 2>/dev/null | grep -q '"Mendwright - Version 1.10"'; then
    echo "Mendwright's window did not appear" >&2
    exit 1
fi
sleep 1
window=$(xwininfo -name "Mendwright - Version 1.10" | awk '/Window id:/ {print $4}')
import -window "$window" "$screenshot"
echo "Screenshot of Mendwright on the demo machine: $screenshot"
