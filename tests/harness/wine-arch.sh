#!/usr/bin/env bash
# Prints win32 or win64: the kind of Windows program this machine's Wine can run
# (wine-select.sh). The test build asks it which compilers to use.
. "$(dirname "$0")/wine-select.sh"
echo "$WINEARCH"
