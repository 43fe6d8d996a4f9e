#!/usr/bin/env bash
# Sets the machine up, builds, and runs every test: native, Windows-under-Wine
# and end-to-end. ctest starts and ends the test run's own Wine prefix and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
ctest --preset windows
