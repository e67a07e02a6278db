#!/usr/bin/env bash
# The game on a headless Weston compositor with Qt's Wayland platform (no X display to fall back
# to), a row played through the accessibility interface as assistive technology would: New Game,
# a colour and a hole pressed four times, the check button, the feedback read back, File > Exit
# and Yes. Skipped (exit code 77) when Weston cannot start here.
#
# usage: wayland.sh <program folder (build/bin)> <artefact folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
[ $# -eq 2 ] || { echo "usage: $0 <program folder> <artefact folder>" >&2; exit 2; }
source "$here/lib.sh"
e2e_own_bus "$@"
source_folder="$(cd "$1" && pwd)"
e2e_init "$2"
# Debian's own Python, which has the AT-SPI bindings (another python3 may come first in PATH).
py=/usr/bin/python3
"$py" -c 'import pyatspi' 2>/dev/null || e2e_fail "python3-pyatspi is missing (scripts/install-deps.sh)"
e2e_program_copy "$source_folder"
e2e_start_atspi
unset DISPLAY WAYLAND_DISPLAY

skip() { echo "SKIP: $*" >&2; exit 77; }
command -v weston >/dev/null || skip "weston is not installed (scripts/install-deps.sh installs it)"
socket=tintrix-wayland
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 --height=1024 --use-pixman \
    >"$E2E_TMP/weston.log" 2>&1 &
E2E_PIDS+=($!)
weston_up() { [ -S "$XDG_RUNTIME_DIR/$socket" ] || ! kill -0 "${E2E_PIDS[-1]}" 2>/dev/null; }
e2e_until 20 weston_up || true
[ -S "$XDG_RUNTIME_DIR/$socket" ] || skip "weston could not start a headless Wayland display here (see weston.log)"
e2e_log "Weston runs headless on $socket"

e2e_game_env "$E2E_TMP/home"
GAME_ENV+=(DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    TINTRIX_TEST_SEED=20240607 TINTRIX_TEST_TIME_SCALE=0.2)
e2e_start_game "$E2E_TMP/elsewhere" "$program/tintrix"

# The game must be a Wayland client: Qt's Wayland platform plugin loaded, its X one not.
wayland_client() { grep -q 'libQt6WaylandClient' "/proc/$GAME_PID/maps" 2>/dev/null; }
e2e_until 30 wayland_client || e2e_fail "the game did not load Qt's Wayland platform (see game.log)"
! grep -q 'libqxcb' "/proc/$GAME_PID/maps" || e2e_fail "the game runs on X"
e2e_log "the game is a Wayland client"

"$py" - "$GAME_PID" "$E2E_ART/accessible-board.txt" <<'PY' || e2e_fail "the row could not be played (see accessible-board.txt)"
import re
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

game_pid = int(sys.argv[1])
report = open(sys.argv[2], "w")


def log(text):
    print(text, file=report, flush=True)
    print(f"[wayland] {text}", file=sys.stderr, flush=True)


def until(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    last_error = None
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception as error:  # the tree changes while it is read
            found = None
            last_error = error
        if found:
            return found
        time.sleep(0.1)
    log(f"FAIL: {what}" + (f" ({last_error})" if last_error else ""))
    sys.exit(1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == game_pid:
            return app
    return None


def find(root, pattern, role=None):
    rx = re.compile(pattern)
    return pyatspi.findDescendant(root, lambda a: a is not None and rx.search(a.name or "") is not None
                                  and (role is None or a.getRole() == role), True)


def press(accessible):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press"):
            return action.doAction(i)
    return action.nActions > 0 and action.doAction(0)


def pressable(root, pattern, role=pyatspi.ROLE_PUSH_BUTTON):
    found = find(root, pattern, role)
    return found if found is not None and found.queryAction().nActions > 0 else None


app = until("the game on the accessibility bus", application)
board = until("the board window", lambda: find(app, r"^Tintrix ?$", pyatspi.ROLE_FRAME))
log(f"board window: '{board.name}'")

new_game = until("File > New Game", lambda: find(app, r"^New Game", pyatspi.ROLE_MENU_ITEM))
press(new_game)
# The level banner closes by itself; the holes of row 1 take pegs once the level is open.
until("row 1 ready for pegs", lambda: pressable(board, r"^Row 1, hole 4, empty"))
log("New Game: level 1 open")

for hole in range(1, 5):
    colour = until(f"colour {hole}", lambda: pressable(board, rf"^Colour {hole}, "))
    press(colour)
    target = until(f"row 1, hole {hole}", lambda: pressable(board, rf"^Row 1, hole {hole}, empty"))
    press(target)
    until(f"a peg in row 1, hole {hole}", lambda: find(board, rf"^Row 1, hole {hole}, (?!empty)"))
    log(f"peg put: {find(board, rf'^Row 1, hole {hole}, ').name}")

check = until("the check button for row 1", lambda: pressable(board, r"Check row 1: "))
log(f"check button: '{check.name}'")
press(check)
# After the check, row 2 (or, with the secret found, level 2) takes the pegs.
until("row 1 checked", lambda: pressable(board, r"Row 2, hole 1, empty") or find(app, r"LEVEL 2"), 60)
feedback = [find(board, rf"^Row 1, feedback {k}, ").name for k in range(1, 5)]
for line in feedback:
    log(line)
# The pegs as the board shows them: black ones first, then grey, then empty clue holes.
kinds = [re.sub(r"^Row 1, feedback \d, ", "", line) for line in feedback]
order = {"black peg": 0, "grey peg": 1, "empty": 2}
if any(k not in order for k in kinds) or kinds != sorted(kinds, key=order.get):
    log(f"FAIL: feedback out of order or unknown: {kinds}")
    sys.exit(1)
log(f"feedback pegs: {sum(k != 'empty' for k in kinds)}")

# The question is modal: the game answers the press only once it has closed, so the call
# is let go after its short time-out and the question is answered.
Atspi.set_timeout(2000, -1)
try:
    press(until("File > Exit", lambda: find(app, r"^Exit", pyatspi.ROLE_MENU_ITEM)))
except GLib.GError:
    pass
Atspi.set_timeout(25000, -1)
question = until("the exit question", lambda: find(app, r"^Exit Tintrix", pyatspi.ROLE_DIALOG) or find(app, r"Exit Tintrix\?"))
yes = until("its Yes button", lambda: pressable(app, r"^&?Yes$"))
press(yes)
log("Exit answered with Yes")
PY
e2e_ended_well 15
e2e_log "PASS"
