#!/usr/bin/env bash
# Runs atspi_check.py against the real window. ctest starts it inside a
# private D-Bus session and on an X server of its own (scripts/with-display),
# so it needs no desktop; this starts the AT-SPI bus and the window there.
#   atspi_test.sh QUORVEL CHECK_PY
set -euo pipefail
program=$1 check=$2
runtime=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$runtime"; }
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
pids+=($!)
# Debian's python3-pyatspi is for the system's Python.
/usr/bin/python3 "$check"
