#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs orca_check.py with the real screen reader: Orca, speaking through
# speech-dispatcher into a null audio device, its debug log written line by
# line, and the window, all on the private display and D-Bus session that
# ctest starts (scripts/with-display, dbus-run-session). Everything they
# write goes to a folder of their own in the build, removed at the end;
# each session runs contained (scripts/contained), its sockets in a runtime
# folder of its own, and all it started ends with it.
#   orca_test.sh QUORVEL CHECK_PY
# QUORVEL_ORCA_LOG=FILE keeps Orca's whole debug log there.
set -euo pipefail
program=$1 check=$2
contained=$(dirname "$0")/../../scripts/contained

# One session: the AT-SPI bus, Orca, the window, then the keys and checks.
if [ -n "${QUORVEL_ORCA_SESSION_LOG:-}" ]; then
  log=$QUORVEL_ORCA_SESSION_LOG
  unset QUORVEL_ORCA_SESSION_LOG
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  # Orca writes its debug file in large blocks; opened line-buffered, each
  # utterance is in the log as soon as it is spoken.
  /usr/bin/python3 - "$log" >>"$HOME/orca.out" 2>&1 <<'PY' &
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
  for _ in $(seq 200); do
    grep -q "SPEECH OUTPUT: 'Screen reader on." "$log" 2>/dev/null && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
  for _ in $(seq 200); do
    grep -q "SPEECH OUTPUT: 'Quorvel frame" "$log" 2>/dev/null && break
    sleep 0.1
  done
  exec /usr/bin/python3 "$check" "$log"
fi

home=$(mktemp -d -p "$PWD" orca-XXXXXX)
cleanup() {
  local status=$?
  # What Orca itself printed tells a stuck bus or display from wrong speech.
  [ "$status" -eq 0 ] || { echo "== Orca's output =="; tail -n 20 "$home/orca.out" 2>/dev/null || true; }
  [ -z "${QUORVEL_ORCA_LOG:-}" ] || cp "$home/orca.log" "$QUORVEL_ORCA_LOG"
  [ -z "${QUORVEL_ORCA_LOG:-}" ] || cp "$home/orca.out" "$QUORVEL_ORCA_LOG.out"
  [ -z "${QUORVEL_ORCA_LOG:-}" ] || cp -r "$home/cache" "$QUORVEL_ORCA_LOG.cache" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config
export XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
# Without a sound card speech-dispatcher hangs, unless it plays into libao's
# null driver.
echo "default_driver=null" >"$HOME/.libao"
printf 'AudioOutputMethod "libao"\nDefaultModule espeak-ng\n' \
  >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
gsettings set org.gnome.desktop.interface toolkit-accessibility true

# On a busy machine Orca now and then stops handling events altogether
# (orca_check.py exits 75 when its log stops growing): that session is
# thrown away and run once more, from a fresh start. Wrong speech fails at
# once.
for attempt in 1 2; do
  status=0
  QUORVEL_ORCA_SESSION_LOG=$home/orca.log "$contained" "$0" "$program" "$check" || status=$?
  [ "$status" -eq 75 ] && [ "$attempt" -eq 1 ] || exit "$status"
  echo "Orca stopped responding; starting again"
done
