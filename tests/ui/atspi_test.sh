#!/usr/bin/env bash
# Runs atspi_check.py against the real window: a private D-Bus session, the
# AT-SPI bus, and an X server of its own, so it needs no desktop.
#   atspi_test.sh QUORVEL CHECK_PY
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${QUORVEL_OWN_SESSION:-}" != 1 ]; then
  exec env QUORVEL_OWN_SESSION=1 dbus-run-session -- "$0" "$@"
fi
program=$1 check=$2
runtime=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$runtime"; }
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime

# The first free display from :90 on.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 100); do
  [ -S "/tmp/.X11-unix/X$display" ] && break || sleep 0.1
done

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
pids+=($!)
# Debian's python3-pyatspi is for the system's Python.
/usr/bin/python3 "$check"
