#!/usr/bin/env bash
# Runs one Windows program under Wine in the test run's prefix and display
# (made by wine-env.sh; MENDWRIGHT_WINE_ENV names its folder).
set -u
envdir=${MENDWRIGHT_WINE_ENV:?MENDWRIGHT_WINE_ENV names the folder wine-env.sh start made}
if [ ! -f "$envdir/display" ]; then
    echo "no Wine environment in $envdir: run wine-env.sh start first" >&2
    exit 1
fi
. "$(dirname "$0")/wine-select.sh"
export WINEPREFIX="$envdir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=$(cat "$envdir/display")
exec "$wine_loader" "$@"
