#!/usr/bin/env bash
# Makes the release zip and checks it: exactly the program the tests ran, the demo machine
# type and the engineer's text, in one folder named after the release.
#   check-package.sh BUILD_DIR TESTED_EXE DEMO_FILE
set -u
build=${1:?build folder} exe=${2:?tested program} demo=${3:?demo description file}
name=Mendwright-1.10-win32
cmake --build "$build" --target package >/dev/null || { echo "cpack failed" >&2; exit 1; }
zip="$(cd "$build" && pwd)/$name.zip"
[ -f "$zip" ] || { echo "no $zip" >&2; exit 1; }

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip") || { echo "cannot unpack $zip" >&2; exit 1; }
listing=$(cd "$unpacked" && find . -type f | sort)
expected=$(printf "./$name/%s\n" Mendwright.exe QX-200.txt README.TXT | sort)
status=0
if [ "$listing" != "$expected" ]; then
    printf 'zip holds:\n%s\nexpected:\n%s\n' "$listing" "$expected" >&2
    status=1
fi
cmp -s "$unpacked/$name/Mendwright.exe" "$exe" || { echo "the zip's Mendwright.exe is not the tested one" >&2; status=1; }
cmp -s "$unpacked/$name/QX-200.txt" "$demo" || { echo "the zip's demo file differs" >&2; status=1; }
[ "$status" -eq 0 ] && echo "$zip: $(echo $listing | wc -w) files, Mendwright.exe as tested"
exit $status
