#!/usr/bin/env bash
# Fails unless NT 4.0 and later, and the 9x line, can load the program: every function
# it imports must be listed in windows-imports.txt with an NT version no newer than
# NT 4.0, and the header must not ask for a subsystem or OS version above 4.
#   check-imports.sh EXE [LIST]
set -u
exe=${1:?program}
list=${2:-$(dirname "$0")/windows-imports.txt}
[ -f "$exe" ] || { echo "no program at $exe" >&2; exit 1; }

# The 32-bit program, or a 64-bit test program where the tests are built for x86-64.
header=$(i686-w64-mingw32-objdump -p "$exe" 2>/dev/null || x86_64-w64-mingw32-objdump -p "$exe") ||
    { echo "cannot read $exe" >&2; exit 1; }

# One "DLL function" line per import; an import by ordinal reads "DLL #ordinal".
imports=$(printf '%s\n' "$header" | awk '
    /^[[:space:]]*DLL Name:/ { dll = $3; next }
    /^[[:space:]]*$/         { next }
    /^[^\t ]/                { dll = "" }
    dll != "" && $1 ~ /^[0-9a-f]+$/ && NF == 3 { print dll, $3; next }
    dll != "" && $1 ~ /^[0-9a-f]+$/ && NF == 2 && $2 ~ /^[0-9]+$/ { print dll, "#" $2 }')
[ -n "$imports" ] || { echo "no import table read from $exe" >&2; exit 1; }

status=0
verdicts=$(awk -v list="$list" '
    BEGIN {
        while ((getline line < list) > 0) {
            if (line ~ /^[[:space:]]*(#|$)/) continue
            split(line, f)
            nt[toupper(f[1]) " " f[2]] = f[3]
        }
        ok["NT4"] = 1
    }
    {
        key = toupper($1) " " $2
        if (!(key in nt))      print "NOT LISTED " $1 " " $2
        else if (!(nt[key] in ok)) print "TOO NEW    " $1 " " $2 " (Windows " nt[key] ")"
        else count++
    }
    END { print "checked " count " imports" }' <<<"$imports")
printf '%s\n' "$verdicts"
grep -q -E '^(NOT LISTED|TOO NEW)' <<<"$verdicts" && status=1

# NT 4.0 and the 9x line are version 4: a header asking for more is refused by their loaders.
for field in MajorOSystemVersion MajorSubsystemVersion; do
    major=$(printf '%s\n' "$header" | awk -v f="$field" '$1 == f { print $2 }')
    if [ -z "$major" ] || [ "$major" -gt 4 ]; then
        echo "header $field is ${major:-missing}: NT 4.0 and Windows 98 would not load the program" >&2
        status=1
    fi
done
exit $status
