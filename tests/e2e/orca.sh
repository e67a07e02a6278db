#!/usr/bin/env bash
# A blind player's game: the Orca screen reader runs beside Tintrix on a private display and
# D-Bus session, the game is played with the keyboard alone, and what Orca said (the
# "SPEECH OUTPUT:" lines of its debug log) is checked. Speech itself is switched off; the log
# still holds every utterance.
#
# Two runs with the same fixed secrets (TINTRIX_TEST_SEED): the first gives up at once and
# hears the secret from the reveal window; the second plays level 1 with wrong rows, then the
# secret it heard, wins, gives up on level 2, enters a name for the high score table and
# leaves. Orca's log and the spoken lines of the second run are kept in the artefact folder.
#
# usage: orca.sh <program folder (build/bin)> <artefact folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

[ $# -eq 2 ] || { echo "usage: $0 <program folder> <artefact folder>" >&2; exit 2; }

# Everything below runs on a session bus of its own, shared by Orca and the game.
if [ -z "${TINTRIX_ORCA_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "FAIL: dbus-run-session is missing (scripts/install-deps.sh)" >&2; exit 1; }
    exec env -u DBUS_SESSION_BUS_ADDRESS TINTRIX_ORCA_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi

source "$here/lib.sh"
source_folder="$(cd "$1" && pwd)"
e2e_init "$2"
e2e_need Xvfb openbox xdotool xwininfo xprop import orca
ATSPI_LAUNCHER=/usr/libexec/at-spi-bus-launcher
[ -x "$ATSPI_LAUNCHER" ] || e2e_fail "$ATSPI_LAUNCHER is missing (at-spi2-core)"

e2e_program_copy "$source_folder"

e2e_start_display

# The accessibility bus, announced on the session bus; then Orca with a throwaway home.
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$ATSPI_LAUNCHER" --launch-immediately >"$E2E_TMP/atspi.log" 2>&1 &
ATSPI_PID=$!
ORCA_PID=""
# Orca takes a few seconds to shut down.
stop_orca() {
    if [ -n "$ORCA_PID" ] && kill "$ORCA_PID" 2>/dev/null; then
        e2e_until 10 eval '! kill -0 "$ORCA_PID" 2>/dev/null' || kill -9 "$ORCA_PID" 2>/dev/null || true
        wait "$ORCA_PID" 2>/dev/null || true
    fi
    e2e_stop "$ATSPI_PID"
}
trap 'st=$?; stop_orca; set +e; (exit $st); e2e_cleanup' EXIT

orca_home="$E2E_TMP/orca-home"
mkdir -p "$orca_home/.local/share/orca" "$orca_home/.config"
# Orca buffers its debug file; the test reads it while Orca runs, so every line is written
# at once. Speech stays on, as a player has it, but without a speech server: Orca then only
# logs what it would say. (Its "-d speech" would also drop the messages it presents, such as
# a focused object's new name.)
cat >"$orca_home/.local/share/orca/orca-customizations.py" <<'PY'
import orca.debug
import orca.settings
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.speechServerFactory = "tintrix_test_no_speech_server"
orca.settings.speechFactoryModules = []
PY
ORCA_LOG="$E2E_TMP/orca-debug.log"
HOME="$orca_home" XDG_CONFIG_HOME="$orca_home/.config" \
    orca --replace -d braille --debug-file="$ORCA_LOG" >"$E2E_TMP/orca.log" 2>&1 &
ORCA_PID=$!
orca_ready() { grep -q 'ORCA: Startup complete' "$ORCA_LOG" 2>/dev/null; }
orca_ready_or_dead() { orca_ready || ! kill -0 "$ORCA_PID" 2>/dev/null; }
e2e_until 60 orca_ready_or_dead || true
kill -0 "$ORCA_PID" 2>/dev/null || e2e_fail "Orca did not start (see orca.log)"
orca_ready || e2e_fail "Orca started but said nothing within 60 s (see orca-debug.log)"
e2e_log "Orca is running (pid $ORCA_PID)"

# spoken [from line]: Orca's utterances, one a line, from the given log line on.
spoken() { sed -n "${1:-1},\$p" "$ORCA_LOG" | sed -n "s/^.*SPEECH OUTPUT: '\(.*\)' *{.*$/\1/p"; }
log_mark() { wc -l <"$ORCA_LOG"; }
# heard <regex> <seconds> [from line]: waits until Orca has said a line matching the regex.
heard() {
    local pattern="$1" seconds="$2" from="${3:-1}"
    e2e_until "$seconds" eval 'spoken "$from" | grep -Eq -- "$pattern"'
}
expect() {
    heard "$@" && return 0
    spoken >"$E2E_ART/spoken-so-far.txt"
    e2e_fail "Orca never said /$1/ (what it said: spoken-so-far.txt)"
}

e2e_game_env "$E2E_TMP/home"
# The game joins this session bus and always talks to the accessibility bus.
filtered=()
for v in "${GAME_ENV[@]}"; do
    [ "$v" = "DBUS_SESSION_BUS_ADDRESS" ] && { unset 'filtered[-1]'; continue; }
    filtered+=("$v")
done
GAME_ENV=("${filtered[@]}" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    TINTRIX_TEST_SEED=20240607)

key() { xdotool key --delay 120 "$@"; sleep 0.4; }

start_board() {
    e2e_start_game "$E2E_TMP/elsewhere" "$program/tintrix"
    board=$(e2e_wait_window '^Tintrix $' 30) || e2e_fail "the board window did not appear"
    sleep 1
    e2e_activate "$board"
}

new_game() {
    local mark
    mark=$(log_mark)
    key ctrl+n
    expect 'LEVEL 1' 15 "$mark"
    e2e_wait_gone '^ $' 15 || e2e_fail "the level banner stayed"
    expect 'Row 1, hole 1, empty' 15 "$mark"
}

# --- Run 1: give up at once and hear the secret -------------------------------------------
start_board
new_game
mark=$(log_mark)
key ctrl+e
expect 'GAME OVER' 15 "$mark"
expect 'Correct combination: [a-z ]+(, [a-z ]+){3}' 15 "$mark"
secret_words="$(spoken "$mark" | grep -Eo 'Correct combination: [a-z ]+(, [a-z ]+){3}' | head -n1 | sed 's/^Correct combination: //; s/ dialog$//')"
e2e_log "the secret, as spoken: $secret_words"
key Return
sleep 1
e2e_stop "$GAME_PID"

# Colour words to the keys 1..6 of level 1.
colour_key() {
    case "$1" in
    pink) echo 1 ;; blue) echo 2 ;; purple) echo 3 ;; green) echo 4 ;; orange) echo 5 ;; "light blue") echo 6 ;;
    *) e2e_fail "unknown colour '$1'" ;;
    esac
}
IFS=',' read -r -a words <<<"$secret_words"
secret=()
for w in "${words[@]}"; do secret+=("$(colour_key "$(echo "$w" | sed 's/^ *//')")"); done
e2e_log "the secret as keys: ${secret[*]}"

# --- Run 2: a whole level by keyboard -----------------------------------------------------
run_start=$(log_mark)
start_board
new_game

# Cursor moves: End, Left, Home are spoken hole by hole.
mark=$(log_mark)
key End
expect 'Row 1, hole 4, empty' 10 "$mark"
key Left
expect 'Row 1, hole 3, empty' 10 "$mark"
key Home
expect 'Row 1, hole 1, empty' 10 "$mark"

# Row 1: each secret colour moved one hole on (never a win). Each placed peg is spoken with
# the next hole; the last one with the check button, which reads the whole row.
mark=$(log_mark)
row1=("${secret[1]}" "${secret[2]}" "${secret[3]}" "${secret[0]}")
row1_words=("${words[1]# }" "${words[2]# }" "${words[3]# }" "${words[0]# }")
for k in "${row1[@]}"; do key "$k"; done
for j in 0 1 2; do
    expect "${row1_words[j]} peg in hole $((j + 1))\. Row 1, hole $((j + 2)), empty" 10 "$mark"
done
expect "${row1_words[3]} peg in hole 4\. Check row 1: ${row1_words[0]}, ${row1_words[1]}, ${row1_words[2]}, ${row1_words[3]}" 10 "$mark"
key Return
expect 'Checking row 1' 10 "$mark"
expect 'Row 1: (no|one|two|three|four) black, (no|one|two|three|four) grey\. Row 2, hole 1, empty' 15 "$mark"

# Row 2: colours the secret does not use where possible, then checked.
mark=$(log_mark)
others=()
for k in 1 2 3 4 5 6; do [[ " ${secret[*]} " == *" $k "* ]] || others+=("$k"); done
key "${others[0]}" "${others[1]}" "${secret[2]}" "${secret[3]}"
key Return
expect 'Row 2: (two black, no grey|.*)\. Row 3, hole 1, empty' 15 "$mark"

# Row 3: the secret.
mark=$(log_mark)
for k in "${secret[@]}"; do key "$k"; done
key Return
expect 'Row 3: four black, no grey\. Solved! Level 1 won, score [0-9]+' 15 "$mark"
expect 'LEVEL 2' 15 "$mark"
e2e_wait_gone '^ $' 15 || e2e_fail "the level 2 banner stayed"
expect 'Row 1, hole 1, empty' 15 "$mark"

# Give up level 2: the banner, the secret, the name prompt, the high score table.
mark=$(log_mark)
key ctrl+e
expect 'SORRY!' 15 "$mark"
expect 'GAME OVER' 15 "$mark"
expect 'Correct combination: [a-z ]+(, [a-z ]+){3,}' 15 "$mark"
key Return
expect 'New High Score' 15 "$mark"
expect 'Enter your name' 15 "$mark"
key B l i n d
key Return
expect 'Tintrix board, no game running' 15 "$mark"
# The high score table: its title and the new entry's place, name, score and level.
mark=$(log_mark)
key ctrl+h
expect 'Top Scores' 15 "$mark"
expect 'Place 1: BLIND, score [0-9]+, level 2' 15 "$mark"
key Escape
sleep 1

# The help window: its topic list and the page shown; the about box.
mark=$(log_mark)
key F1
expect 'Tintrix Help' 15 "$mark"
expect 'List with [0-9]+ items' 15 "$mark"
sleep 0.5
key Down
expect '^How to Play' 15 "$mark"
key Escape
mark=$(log_mark)
key alt+h
sleep 0.5
key Up Return
expect 'About Tintrix dialog Tintrix, Version [0-9]+\.[0-9]+\.[0-9]+' 15 "$mark"
sleep 1
key Return
sleep 1

# Leaving: the question is spoken, Yes ends the program.
mark=$(log_mark)
key ctrl+q
expect 'Exit Tintrix\?' 15 "$mark"
key alt+y
e2e_wait_exit 15 || e2e_fail "the game did not end after Exit was confirmed"

spoken "$run_start" >"$E2E_ART/spoken-level.txt"
e2e_log "spoken lines of the played game: $E2E_ART/spoken-level.txt"
cp "$ORCA_LOG" "$E2E_ART/orca-debug.log"
e2e_log "PASS"
