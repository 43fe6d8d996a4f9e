#!/usr/bin/env bash
# Runs Mendwright on the demo machine type QX-200 in a Wine prefix of its own,
# with a few FCOs recorded as installed and the remote-support service and the
# backup utility in place. With a display the window opens there;
# without one the program runs on a private Xvfb, three screenshots are saved in
# build/demo/ (the list with ticks and dates, the tip with an FCO's description,
# the restore picker) and the program is closed again.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

root=$(pwd)
. tests/harness/wine-select.sh
# Where this machine's Wine runs only 64-bit programs, the tests' 64-bit twin stands in.
program=build/bin/Mendwright.exe
[ "$WINEARCH" = win32 ] || program=build/twin64/Mendwright.exe
export WINEPREFIX="$root/build/demo-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
workdir="$WINEPREFIX/drive_c/Mendwright"
shots="$root/build/demo"
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
    "$wine_loader" wineboot --init >/dev/null 2>&1
fi
# The dialog font with the metrics Windows has (see tests/harness/wine-env.sh).
[ -f "$WINEPREFIX/drive_c/windows/Fonts/sserife.fon" ] ||
    cp /usr/share/wine/fonts/sserife.fon "$WINEPREFIX/drive_c/windows/Fonts/"
mkdir -p "$workdir"
cp "$program" demo/QX-200.txt "$workdir/"

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
"$wine_loader" reg delete 'HKLM\SOFTWARE\Velmora\FCO' /f >/dev/null 2>&1 || true
seed() { "$wine_loader" reg add 'HKLM\SOFTWARE\Velmora\FCO' /v "$1" /d "$2" /f >/dev/null 2>&1; }
seed 'FCO101 controller firmware' '14/03/06 by service'
seed '102' '03/11/06'
seed '117' '21/11/06'
seed '301' '05/12/06'

cd "$workdir"
if [ -z "$xvfb_pid" ]; then
    echo "Starting Mendwright on $DISPLAY (close it to end the demo) ..."
    "$wine_loader" Mendwright.exe
    exit 0
fi

# An older backup beside the one this start makes, so that Restore Registry asks which.
backups="$WINEPREFIX/drive_c/FCObackup"
mkdir -p "$backups"
rm -f "$backups"/*.reg
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]\r\n"102"="03/11/06"\r\n' \
    > "$backups/Tallyroll_01-11-26  09-30-00-AM.reg"

# The pointer in a corner: resting over the list it would bring up the list's tip.
xdotool mousemove 0 0
# The X window of the top-level window with this title, once it is shown (empty after 30 s).
window_titled() {
    for _ in $(seq 100); do
        xwininfo -root -tree 2>/dev/null | grep -q "\"$1\"" && break
        sleep 0.3
    done
    xwininfo -name "$1" 2>/dev/null | awk '/Window id:/ {print $4}'
}

"$wine_loader" Mendwright.exe >/dev/null 2>&1 &
window=$(window_titled "Mendwright - Version 1.10")
if [ -z "$window" ]; then
    echo "Mendwright's window did not appear" >&2
    exit 1
fi
mkdir -p "$shots"
sleep 1
import -window "$window" "$shots/main.png"

# Without a window manager the X window holds the dialog without its caption; the list's third
# row lies about 150 pixels from the left and 130 from the top. A right-click marks the row and,
# half a second later, the tip shows its description.
xdotool mousemove --window "$window" 150 100 sleep 0.3 mousemove --window "$window" 150 130 \
    mousedown 3 sleep 0.3 mouseup 3
sleep 1.5
geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h "+" x "+" y}')
import -window root -crop "$geometry" "$shots/description-tip.png"

# Restore Registry, about 595 pixels from the left and 155 from the top, asks for the backup.
xdotool mousemove --window "$window" 595 155 click 1
picker=$(window_titled "Select restore name")
if [ -n "$picker" ]; then
    sleep 0.5
    # F4 opens the list of backups below the picker; the picture takes both.
    xdotool key F4
    sleep 0.5
    geometry=$(xwininfo -id "$picker" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h + 60 "+" x "+" y}')
    import -window root -crop "$geometry" "$shots/restore-picker.png"
    xdotool key Escape mousemove --window "$picker" 10 10 key Escape || true
fi
echo "Screenshots of Mendwright on the demo machine in $shots:"
ls "$shots"
