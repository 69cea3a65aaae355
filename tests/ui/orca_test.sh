#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs orca_check.py with the real screen reader: Orca, speaking through
# speech-dispatcher into a null audio device, its debug log written line by
# line, and the window, all on the private display and D-Bus session that
# ctest starts (scripts/with-display, dbus-run-session). Everything they
# write goes to a folder of their own in the build, removed at the end.
#   orca_test.sh QUORVEL CHECK_PY
# QUORVEL_ORCA_LOG=FILE keeps Orca's whole debug log there.
set -euo pipefail
program=$1 check=$2
home=$(mktemp -d -p "$PWD" orca-XXXXXX)
# Sockets live in the runtime folder, and a socket's path has a short limit:
# it goes under TMPDIR, never in the build.
runtime=$(mktemp -d)
pids=()
cleanup() {
  # Orca does not always end on a signal it can catch.
  kill -9 "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  [ -z "${QUORVEL_ORCA_LOG:-}" ] || cp "$home/orca.log" "$QUORVEL_ORCA_LOG"
  [ -z "${QUORVEL_ORCA_LOG:-}" ] || cp "$home/orca.out" "$QUORVEL_ORCA_LOG.out"
  [ -z "${QUORVEL_ORCA_LOG:-}" ] || cp -r "$home/cache" "$QUORVEL_ORCA_LOG.cache" 2>/dev/null || true
  rm -rf "$home" "$runtime"
}
trap cleanup EXIT
export HOME=$home XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$home/config
export XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
# Without a sound card speech-dispatcher hangs, unless it plays into libao's
# null driver.
echo "default_driver=null" >"$HOME/.libao"
printf 'AudioOutputMethod "libao"\nDefaultModule espeak-ng\n' \
  >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
gsettings set org.gnome.desktop.interface toolkit-accessibility true

# One session: the AT-SPI bus, Orca, the window, then the keys and checks.
session() {
  local log=$1
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  pids+=($!)
  # Orca writes its debug file in large blocks; opened line-buffered, each
  # utterance is in the log as soon as it is spoken.
  /usr/bin/python3 - "$log" >>"$home/orca.out" 2>&1 <<'PY' &
import builtins, runpy, sys
log = sys.argv[1]
plain_open = builtins.open
def line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return plain_open(file, mode, buffering=1, encoding="utf-8")
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_buffered
sys.argv = ["orca", "--replace", "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
PY
  pids+=($!)
  for _ in $(seq 200); do
    grep -q "SPEECH OUTPUT: 'Screen reader on." "$log" 2>/dev/null && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
  pids+=($!)
  for _ in $(seq 200); do
    grep -q "SPEECH OUTPUT: 'Quorvel frame" "$log" 2>/dev/null && break
    sleep 0.1
  done
  /usr/bin/python3 "$check" "$log"
}

# On a busy machine Orca now and then stops handling events altogether
# (orca_check.py exits 75 when its log stops growing): that session is
# thrown away and run once more, from a fresh start. Wrong speech fails at
# once.
for attempt in 1 2; do
  status=0
  session "$home/orca.log" || status=$?
  [ "$status" -eq 75 ] && [ "$attempt" -eq 1 ] || exit "$status"
  echo "Orca stopped responding; starting again"
  kill -9 "${pids[@]}" 2>/dev/null || true
  pids=()
  speechd_pid=$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid
  [ ! -f "$speechd_pid" ] || kill -9 "$(cat "$speechd_pid")" 2>/dev/null || true
  sleep 1
done
