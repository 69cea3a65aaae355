#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the given command in a Wayland session of its own: Weston, headless,
# which leaves title bars to the programs (no server-side decorations), as
# GNOME's compositor does.
set -euo pipefail
runtime=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-wayland.XXXXXX")
trap 'kill "$weston" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=quorvel-test
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --use-pixman --idle-time=0 \
  >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
  [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
  sleep 0.1
done
[ -S "$runtime/$WAYLAND_DISPLAY" ] || { cat "$runtime/weston.log"; exit 1; }
QT_QPA_PLATFORM=wayland "$@"
