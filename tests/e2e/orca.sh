#!/usr/bin/env bash
# A blind player's game: the Orca screen reader runs beside Tintrix on a private display and
# D-Bus session, the game is played with the keyboard alone, and what Orca said (the
# "SPEECH OUTPUT:" lines of its debug log) is checked. Speech itself is switched off; the log
# still holds every utterance.
#
# Two runs with the same fixed secrets (TINTRIX_TEST_SEED): the first loses level 1 and
# hears the secret with the loss and from the reveal window; the second plays level 1 with wrong rows, then the
# secret it heard, wins, gives up on level 2, enters a name for the high score table and
# leaves. The first run's timers go at twice the speed (TINTRIX_TEST_TIME_SCALE); the second
# keeps the real ones, which Orca needs to speak a running check. Every step waits for what
# Orca says. A third run starts from a tournament kept at level 19 and hears, row by row, which
# rows' feedback is hidden; a fourth, in German, plays one row and hears German words
# (german_row). Orca's log and the spoken lines of the second and the German run are kept in
# the artefact folder.
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
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$ATSPI_LAUNCHER" --launch-immediately >"$E2E_TMP/atspi.log" 2>&1 &
ATSPI_PID=$!
ORCA_PID=""
trap 'st=$?; e2e_stop "$ORCA_PID"; e2e_stop "$ATSPI_PID"; set +e; (exit $st); e2e_cleanup' EXIT

orca_home="$E2E_TMP/orca-home"
mkdir -p "$orca_home/.local/share/orca" "$orca_home/.config"
# Orca buffers its debug file; the test reads it while Orca runs, so every line is written
# at once. Speech stays on, as a player has it, but without a speech server: Orca then only
# logs what it would say. (Its "-d speech" would also drop the messages it presents, such as
# a focused object's new name.) Orca's own idle check for "no focus", 2.5 s after its queue
# last ran empty, is switched off: landing between one dialog closing and the name prompt
# opening, it makes Orca take the prompt's text field silently.
cat >"$orca_home/.local/share/orca/orca-customizations.py" <<'PY'
import orca.debug
import orca.event_manager
import orca.settings
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.speechServerFactory = "tintrix_test_no_speech_server"
orca.settings.speechFactoryModules = []
orca.event_manager.EventManager._onNoFocus = lambda self: False
PY
ORCA_LOG="$E2E_TMP/orca-debug.log"
HOME="$orca_home" XDG_CONFIG_HOME="$orca_home/.config" \
    orca --replace -d braille --debug-file="$ORCA_LOG" >"$E2E_TMP/orca.log" 2>&1 &
ORCA_PID=$!
orca_ready() { grep -q 'ORCA: Startup complete' "$ORCA_LOG" 2>/dev/null; }
e2e_until 60 eval 'orca_ready || ! kill -0 "$ORCA_PID" 2>/dev/null' || true
orca_ready || e2e_fail "Orca did not start within 60 s (see orca.log and orca-debug.log)"
e2e_log "Orca is running (pid $ORCA_PID)"

# spoken [from line]: Orca's utterances, one a line, from the given log line on.
spoken() { sed -n "${1:-1},\$p" "$ORCA_LOG" | sed -n "s/^.*SPEECH OUTPUT: '\(.*\)' *{.*$/\1/p"; }
log_mark() { wc -l <"$ORCA_LOG"; }
# press <key>...: marks the log and types the keys as a player does.
press() { mark=$(log_mark); xdotool key --delay 120 "$@"; }
# expect <regex>: waits up to 15 s until Orca has said a line matching the regex since the mark.
expect() {
    local pattern="$1"
    e2e_until 15 eval 'spoken "$mark" | grep -Eq -- "$pattern"' && return 0
    spoken >"$E2E_ART/spoken-so-far.txt"
    e2e_fail "Orca never said /$1/ (what it said: spoken-so-far.txt)"
}
# Orca speaks an object only if it still has the focus when Orca gets to its event, so what
# shows only for a moment (a banner, a running check) is started once Orca has caught up:
# its log has not grown for 0.3 s.
settled() { local before; before=$(log_mark); sleep 0.3; [ "$(log_mark)" -eq "$before" ]; }
settle() { e2e_until 10 settled || e2e_fail "Orca never fell silent"; }

# The game joins this session bus and always talks to the accessibility bus.
e2e_game_env "$E2E_TMP/home"
GAME_ENV+=(DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 TINTRIX_TEST_SEED=20240607)
idle='Tintrix board, no game running'

# new_game <time scale>: the game started, its board spoken, New Game and the level 1 banner.
new_game() {
    mark=$(log_mark)
    e2e_start_game "$E2E_TMP/elsewhere" env TINTRIX_TEST_TIME_SCALE="$1" "$program/tintrix"
    board=$(e2e_wait_window '^Tintrix $' 30) || e2e_fail "the board window did not appear"
    e2e_activate "$board"
    expect "$idle"
    settle
    press ctrl+n
    expect 'LEVEL 1'
    e2e_wait_gone '^ $' 15 || e2e_fail "the level banner stayed"
    expect 'Row 1, hole 1, empty'
    # The banner's second line is spoken once, with the banner.
    said_times "4 SPACES, 6 COLORS, NO DUPLICATES" 1
}
# said_times <text> <count>: Orca said the text exactly so many times since the mark.
said_times() { local n; n=$(spoken "$mark" | grep -cF -- "$1" || true); [ "$n" -eq "$2" ] || e2e_fail "Orca said '$1' $n times, not $2"; }

# --- Level 19: covered feedback in words -------------------------------------------------
# From level 19 on only the newest checked row keeps its black and grey pegs; older rows'
# feedback turns into X marks, and each check says which rows are hidden. The game starts from
# a tournament kept at level 19 in a data folder of this run's own, with a secret chosen here:
# pink, blue, purple, green (keys 1 2 3 4). Levels 1 to 18, each won on its last row, give
# 250 x (1 + 2 + ... + 18) = 42750 points.
kept_tool="${TINTRIX_KEPT_TOURNAMENT:-$source_folder/tintrix_kept_tournament}"
# level19_row <keys> <colour words> <what Orca says after the check>: fills and checks a row.
level19_row() {
    # shellcheck disable=SC2086  # the keys, one word each
    press $1
    expect "\. Check row [0-9]: $2 push button\.$"
    settle
    press Return
    expect "$3"
}
level19_run() {
    local data="$E2E_TMP/level19-data"
    [ -x "$kept_tool" ] || e2e_fail "$kept_tool is missing (it is built with the tests)"
    mkdir -p "$data/tintrix"
    "$kept_tool" 19 42750 1 2 3 4 >"$data/tintrix/tournament.sav" || e2e_fail "the level 19 tournament was not written"
    local start
    start=$(log_mark) mark=$(log_mark)
    e2e_start_game "$E2E_TMP/elsewhere" env TINTRIX_TEST_TIME_SCALE=0.5 XDG_DATA_HOME="$data" "$program/tintrix"
    board=$(e2e_wait_window '^Tintrix $' 30) || e2e_fail "the board window did not appear"
    e2e_activate "$board"
    expect '^TOURNAMENT RESUMED dialog LEVEL 19, SCORE 42750\.$'
    e2e_wait_gone '^ $' 15 || e2e_fail "the resumed tournament's banner stayed"
    expect 'Row 1, hole 1, empty'
    settle
    level19_row "2 1 4 3" "blue, pink, green, purple" \
        '^Row 1: no black, four grey\. Row 2, hole 1, empty push button\.$'
    level19_row "1 2 5 6" "pink, blue, orange, light blue" \
        '^Row 2: two black, no grey\. The feedback of row 1 is hidden\. Row 3, hole 1, empty push button\.$'
    level19_row "1 3 2 4" "pink, purple, blue, green" \
        '^Row 3: two black, two grey\. The feedback of rows 1 to 2 is hidden\. Row 4, hole 1, empty push button\.$'
    # Won on the fourth of eight rows: 19 x 250 points and 4 rows left x 19 x 25 more.
    level19_row "1 2 3 4" "pink, blue, purple, green" \
        '^Row 4: four black, no grey\. Solved! Level 19 won, score 49400\.'
    expect '^LEVEL 20 dialog '
    e2e_wait_gone '^ $' 15 || e2e_fail "the level 20 banner stayed"
    expect 'Row 1, hole 1, empty'
    # Leaving: the question (heard in the other run) answered once its window shows.
    settle
    press ctrl+q
    e2e_wait_window '^Tintrix$' 15 >/dev/null || e2e_fail "the Exit question did not appear"
    settle
    press alt+y
    e2e_wait_exit 15 || e2e_fail "the game did not end after Exit was confirmed"
    [ "$GAME_STATUS" -eq 0 ] || e2e_fail "the game ended with status $GAME_STATUS"
    grep -qx 'level 20' "$data/tintrix/tournament.sav" || e2e_fail "the tournament was not kept at level 20"
    spoken "$start" >"$E2E_ART/spoken-level19.txt"
}

# --- Run 1: lose level 1 and hear the secret ---------------------------------------------
# Eight rows of pink alone, never the secret (level 1 repeats no colour); the last one's
# feedback is spoken with the loss and the secret, then the banner and the reveal window.
new_game 0.5
colour_words='[a-z ]+(, [a-z ]+){3}'
for row in 1 2 3 4 5 6 7 8; do
    press 1 1 1 1
    expect "Check row $row: pink, pink, pink, pink"
    settle
    press Return
    [ "$row" -eq 8 ] || expect "Row $row: [a-z, ]+\\. Row $((row + 1)), hole 1, empty"
done
expect "Row 8: [a-z, ]+\\. No rows left: the level is lost\\. The secret was $colour_words\\."
expect 'GAME OVER'
lost_words="$(spoken "$mark" | grep -Eo "The secret was $colour_words" | head -n1 | sed 's/^The secret was //')"
combination='Correct combination: [a-z ]+(, [a-z ]+){3}'
expect "$combination"
secret_words="$(spoken "$mark" | grep -Eo "$combination" | head -n1 | sed 's/^Correct combination: //; s/ dialog$//')"
e2e_log "the secret, as spoken: $secret_words"
[ "$secret_words" = "$lost_words" ] || e2e_fail "the loss named the secret '$lost_words', the reveal window '$secret_words'"
press Return
expect "$idle"
e2e_stop "$GAME_PID"

# Colour words to the keys 1..6 of level 1.
declare -A colour_key=([pink]=1 [blue]=2 [purple]=3 [green]=4 [orange]=5 ["light blue"]=6)
IFS=',' read -r -a words <<<"${secret_words//, /,}"
secret=()
for w in "${words[@]}"; do
    [ -n "${colour_key[$w]:-}" ] || e2e_fail "unknown colour '$w'"
    secret+=("${colour_key[$w]}")
done
e2e_log "the secret as keys: ${secret[*]}"

# --- Run 2: a whole level by keyboard -----------------------------------------------------
run_start=$(log_mark)
new_game 1

# Cursor moves: End, Left, Home are spoken hole by hole.
press End
expect 'Row 1, hole 4, empty'
press Left
expect 'Row 1, hole 3, empty'
press Home
expect 'Row 1, hole 1, empty'

# Row 1: each secret colour moved one hole on (never a win). Each placed peg is spoken with
# the next hole; the last one with the check button, which reads the whole row. (Orca skips
# what a faster key has already moved on from, so each peg waits for its words.)
row1=("${words[1]}" "${words[2]}" "${words[3]}" "${words[0]}")
then=("Row 1, hole 2, empty" "Row 1, hole 3, empty" "Row 1, hole 4, empty"
    "Check row 1: ${row1[0]}, ${row1[1]}, ${row1[2]}, ${row1[3]}")
for j in 0 1 2 3; do
    press "${secret[(j + 1) % 4]}"
    expect "${row1[j]} peg in hole $((j + 1))\. ${then[j]}"
done
settle
press Return
expect 'Checking row 1'
# Every colour of the secret, each in another hole: four grey pegs.
expect 'Row 1: no black, four grey\. Row 2, hole 1, empty'

# Row 2: colours the secret does not use where possible, then checked.
others=()
for k in 1 2 3 4 5 6; do [[ " ${secret[*]} " == *" $k "* ]] || others+=("$k"); done
press "${others[0]}" "${others[1]}" "${secret[2]}" "${secret[3]}" Return
# Level 1 has six colours, the secret four of them: the two others and the secret's last two.
[ "${#others[@]}" -eq 2 ] || e2e_fail "level 1 should leave two colours out of the secret"
expect 'Row 2: two black, no grey\. Row 3, hole 1, empty'
# Checks are spoken without the name of the guess rows' panel before them.
said_times "Guess rows" 0

# Row 3: the secret.
press "${secret[@]}"
settle
press Return
expect 'Row 3: four black, no grey\. Solved! Level 1 won, score [0-9]+'
expect 'LEVEL 2'
e2e_wait_gone '^ $' 15 || e2e_fail "the level 2 banner stayed"
expect 'Row 1, hole 1, empty'

# Give up level 2: the banner, the secret, the name prompt, the high score table.
press ctrl+e
expect 'SORRY!'
expect 'GAME OVER'
expect 'Correct combination: [a-z ]+(, [a-z ]+){3,}'
press Return
expect 'New High Score'
expect 'Enter your name'
press B l i n d Return
expect "$idle"
# The high score table: its title and the new entry's place, name, score and level.
press ctrl+h
expect 'Top Scores'
expect 'Place 1: BLIND, score [0-9]+, level 2'
press Escape
expect "$idle"

# The help window: its topic list and the page shown; the about box.
press F1
expect 'Tintrix Help'
expect 'List with [0-9]+ items'
# The first topic is spoken as the window opens.
expect '^Welcome to Tintrix'
press Down
expect '^How to Play'
press Escape
expect "$idle"
press alt+h
expect '^Tintrix Help'
press Up Return
expect 'About Tintrix dialog Tintrix, Version [0-9]+\.[0-9]+\.[0-9]+'
press Return
expect "$idle"

# Leaving: the question is spoken, Yes ends the program.
press ctrl+q
expect 'Exit Tintrix\?'
press alt+y
e2e_wait_exit 15 || e2e_fail "the game did not end after Exit was confirmed"
[ "$GAME_STATUS" -eq 0 ] || e2e_fail "the game ended with status $GAME_STATUS"

spoken "$run_start" >"$E2E_ART/spoken-level.txt"
e2e_log "spoken lines of the played game: $E2E_ART/spoken-level.txt"

# --- In German: one row ---------------------------------------------------------------------
# The game started as a German desktop starts it (the scripts pin LC_ALL=C.UTF-8, so it is
# lifted here) says German words: the board at rest, the level banner, each placed peg, the
# check button's row and the feedback. The words are written out here, as a German player
# hears them, for the same secret as above.
german_row() {
    local de_peg=([1]="rosa Stift" [2]="blauer Stift" [3]="lila Stift" [4]="grüner Stift" [5]="oranger Stift" [6]="hellblauer Stift")
    local de_colour=([1]="rosa" [2]="blau" [3]="lila" [4]="grün" [5]="orange" [6]="hellblau")
    local german_start j key
    german_start=$(log_mark)
    mark=$german_start
    e2e_start_game "$E2E_TMP/elsewhere" env -u LC_ALL LANGUAGE=de LANG=de_DE.UTF-8 TINTRIX_TEST_TIME_SCALE=0.5 "$program/tintrix"
    board=$(e2e_wait_window '^Tintrix $' 30) || e2e_fail "the German board window did not appear"
    e2e_activate "$board"
    expect 'Tintrix-Spielbrett, kein Spiel läuft'
    settle
    press ctrl+n
    expect 'LEVEL 1'
    e2e_wait_gone '^ $' 15 || e2e_fail "the German level banner stayed"
    expect 'Reihe 1, Loch 1, leer'
    said_times "4 LÖCHER, 6 FARBEN, OHNE DOPPELTE" 1
    # The secret's colours, each one hole on: four grey pegs, in German.
    local then=("Reihe 1, Loch 2, leer" "Reihe 1, Loch 3, leer" "Reihe 1, Loch 4, leer"
        "Reihe 1 prüfen: ${de_colour[${secret[1]}]}, ${de_colour[${secret[2]}]}, ${de_colour[${secret[3]}]}, ${de_colour[${secret[0]}]}")
    for j in 0 1 2 3; do
        key="${secret[(j + 1) % 4]}"
        press "$key"
        expect "${de_peg[$key]} in Loch $((j + 1))\. ${then[j]}"
    done
    settle
    press Return
    expect 'Reihe 1: kein schwarzer, vier graue\. Reihe 2, Loch 1, leer'
    # Nothing of it in English.
    spoken "$german_start" | grep -Eq 'Row [0-9]|peg in hole|black|grey' && e2e_fail "English words in the German game"
    spoken "$german_start" >"$E2E_ART/spoken-german.txt"
    e2e_stop "$GAME_PID"
}
german_row

# The level 19 run, once the two runs above have ended.
level19_run

cp "$ORCA_LOG" "$E2E_ART/orca-debug.log"
e2e_log "PASS"
