# SPDX-License-Identifier: GPL-3.0-or-later
"""Presses keys in the running window and checks what Orca says.

Started by orca_test.sh, with Orca and the window running on a private
display, session bus and AT-SPI bus. Orca's debug log is written line by
line; its "SPEECH OUTPUT" lines are what a blind user hears. Each step sends
its keys, waits until Orca has been quiet for a moment and checks the
speech that step produced.
"""
import re
import subprocess
import sys
import time

LOG = sys.argv[1]
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*[\[{]")

RESULTS_UP = "所持魔力変動 -560G、土地価値変動 +1008G、護符価値変動 +10、護符魔力変動 +500G、総魔力変動 +948G"
RESULTS_DOWN = "所持魔力変動、土地価値変動 -1008G、護符価値変動 -10、護符魔力変動 -500G、総魔力変動 -948G"

# keys (xdotool key names, or "type:TEXT"), what must be said (in this order),
# and utterances that must not be said (the text of a box cut short, a
# caption read instead of the name).
STEPS = [
    ("", ["80 G", "selected radio button"], []),
    ("Tab", ["基本価値 その他 G", "50 selected"], ["5 selected", "G text"]),
    ("Tab", ["レベル 1 から combo box"], []),
    ("Down", ["レベル 2 から"], []),
    ("Up", ["レベル 1 から"], []),
    ("Tab", ["レベル 4 にアップ combo box"], []),
    ("Tab", ["上記の土地を含めて 3 連鎖 combo box"], []),
    ("Tab", ["護符枚数", "50 selected"], ["5 selected"]),
    ("Tab", ["計算 push button"], []),
    ("space", [RESULTS_UP], []),
    ("space", [RESULTS_UP], []),
    # Flat review (the keypad, Orca's desktop layout) from 計算 down.
    ("KP_Up", ["計算"], []),
    ("KP_Prior KP_Prior", ["レベルアップの結果"], []),
    ("KP_Prior", ["所持魔力変動 -560G 土地価値変動 +1008G"], []),
    ("KP_Prior", ["護符価値変動 +10 護符魔力変動 +500G"], []),
    ("KP_Prior", ["総魔力変動 +948G 終了"], []),
    ("shift+Tab", ["護符枚数", "50 selected"], ["5 selected"]),
    ("type:abc", [], []),
    ("Tab", ["計算 push button"], [RESULTS_UP]),
    ("space", ["護符枚数エラー", "護符枚数には数値を入力してください", "OK push button"], []),
    ("Return", ["護符枚数", "abc selected"], ["ab selected"]),
    ("type:50", [], []),
    ("shift+Tab shift+Tab shift+Tab", ["レベル 1 から combo box"], []),
    ("4", ["レベル 4 から"], []),
    ("Tab", ["レベル 4 にアップ combo box"], []),
    ("1", ["レベル 1 にアップ"], []),
    ("Tab Tab Tab", ["計算 push button"], []),
    ("space", ["メテオですか？", "土地レベルが下がります。続けますか？", "はい(Y) push button"], []),
    ("Return", [RESULTS_DOWN], []),
]


def speech_after(offset):
    with open(LOG, encoding="utf-8", errors="replace") as log:
        log.seek(offset)
        return [m.group(1) for m in SPEECH.finditer(log.read())]


def log_size():
    with open(LOG, "rb") as log:
        return log.seek(0, 2)


def settle(offset, quiet=1.0, limit=8.0):
    """Waits until Orca has said nothing new for `quiet` seconds."""
    deadline = time.monotonic() + limit
    said = speech_after(offset)
    last_change = time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.2)
        now = speech_after(offset)
        if now != said:
            said, last_change = now, time.monotonic()
        elif said and time.monotonic() - last_change >= quiet:
            break
    return said


def press(keys):
    if keys.startswith("type:"):
        subprocess.run(["xdotool", "type", "--delay", "150", keys[5:]], check=True)
    elif keys:
        subprocess.run(["xdotool", "key", "--delay", "300", *keys.split()], check=True)


def in_order(said, expected):
    text = " | ".join(said)
    at = 0
    for fragment in expected:
        found = text.find(fragment, at)
        if found < 0:
            return False
        at = found + len(fragment)
    return True


def main():
    passed = failed = 0
    stalled = 0
    for step, (keys, expected, forbidden) in enumerate(STEPS):
        # The first step hears the window come up.
        offset = log_size() if step else 0
        press(keys)
        said = settle(offset, quiet=1.5 if expected else 0.6, limit=10.0 if expected else 3.0)
        # Orca logs every key it receives: a silent log means Orca is stuck,
        # which is not what the window made it say.
        if expected and log_size() == offset:
            stalled += 1
            if stalled == 2:
                print("Orca stopped responding")
                return 75
        heard = " | ".join(said)
        wrong = [f for f in forbidden if any(u.rstrip(".") == f for u in said)]
        ok = in_order(said, expected) and not wrong
        print(("ok    " if ok else "FAIL  ") + f"{keys or '(start)':<28} {heard}")
        if not ok:
            print(f"      expected {expected}" + (f", not {wrong}" if wrong else ""))
        passed, failed = passed + ok, failed + (not ok)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


sys.exit(main())
