#!/usr/bin/env bash
# Fails when a program imports any DLL other than Windows' own.
set -u
exe=${1:?program}
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|ADVAPI32|SHELL32|VERSION|msvcrt)\.dll$'
objdump=$(command -v i686-w64-mingw32-objdump || command -v objdump)
dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || { echo "no import table read from $exe" >&2; exit 1; }
bad=$(printf '%s\n' "$dlls" | grep -v -i -E "$allowed")
printf 'imports: %s\n' $dlls
if [ -n "$bad" ]; then
    echo "not a Windows DLL: $bad" >&2
    exit 1
fi
