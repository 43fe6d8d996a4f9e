#!/usr/bin/env bash
# Makes the registry-editor export fixtures under Wine: stores the test keys, exports them as the
# program does (regedit.exe /e /s through a batch file) and copies the files into the corpus that
# the parser's unit tests and fuzz target read. Run it again only to renew the fixtures.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
out=$repo/tests/fuzz/corpus/registry_export
envdir=$(mktemp -d /tmp/regedit-fixtures.XXXXXX)
trap '"$repo/tests/harness/wine-env.sh" stop "$envdir"; rm -rf "$envdir"' EXIT

"$repo/tests/harness/wine-env.sh" start "$envdir"
. "$repo/tests/harness/wine-select.sh"
export WINEPREFIX=$envdir/prefix WINEDEBUG=-all
compiler=i686-w64-mingw32-gcc
[ "$WINEARCH" = win32 ] || compiler=x86_64-w64-mingw32-gcc
"$compiler" -O1 -Wall -o "$envdir/fixture_keys.exe" "$here/fixture_keys.c" -ladvapi32

export_key() {  # fixture name, key under HKEY_LOCAL_MACHINE, fill mode
    "$wine_loader" "$envdir/fixture_keys.exe" "$2" "$3"
    mkdir -p "$WINEPREFIX/drive_c/FCObackup"
    printf 'regedit.exe /e /s "c:\\FCObackup\\%s.reg" HKEY_LOCAL_MACHINE\\%s    ' "$1" "$2" \
        > "$WINEPREFIX/drive_c/FCObackup/FCOREG.bat"
    "$wine_loader" cmd /c 'c:\FCObackup\FCOREG.bat' > /dev/null
    cp "$WINEPREFIX/drive_c/FCObackup/$1.reg" "$out/$1.reg"
}

export_key wine_types 'SOFTWARE\ExportFixture' types
export_key wine_fco 'SOFTWARE\Velmora\FCO' fco
export_key wine_empty 'SOFTWARE\Velmora\Empty' empty
ls -l "$out"/wine_*.reg
