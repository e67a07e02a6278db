#!/usr/bin/env bash
# A blind player's game: the Orca screen reader runs beside Tintrix on a private display and
# D-Bus session, the game is played with the keyboard alone, and what Orca said (the
# "SPEECH OUTPUT:" lines of its debug log, speech itself off) is checked. All runs have the
# same secrets (TINTRIX_TEST_SEED): the first loses level 1 and hears the secret; the second
# plays level 1 with real timers (Orca needs them to speak a running check) and that secret,
# wins, gives up on level 2, enters a name and leaves; the third plays a row in German; the
# fourth starts from a tournament kept at level 19 and hears which rows' feedback is hidden.
#
# usage: orca.sh <program folder (build/bin)> <artefact folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
[ $# -eq 2 ] || { echo "usage: $0 <program folder> <artefact folder>" >&2; exit 2; }
source "$here/lib.sh"
e2e_own_bus "$@"
source_folder="$(cd "$1" && pwd)"
e2e_init "$2"
e2e_need Xvfb openbox xdotool xwininfo xprop import orca
e2e_program_copy "$source_folder"
e2e_start_display
e2e_start_atspi

# Orca with a throwaway home. Its debug file is read while it runs, so every line is written at
# once; without a speech server it only logs what it would say ("-d speech" would also drop
# the messages it presents, such as a focused object's new name). Its idle check for "no
# focus", 2.5 s after its queue last ran empty, is off: landing between one dialog closing and
# the name prompt opening, it makes Orca take the prompt's text field silently.
orca_home="$E2E_TMP/orca-home"
mkdir -p "$orca_home/.local/share/orca" "$orca_home/.config"
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
E2E_PIDS=($! "${E2E_PIDS[@]}")
orca_ready() { grep -q 'ORCA: Startup complete' "$ORCA_LOG" 2>/dev/null; }
e2e_until 60 eval 'orca_ready || ! kill -0 "${E2E_PIDS[0]}" 2>/dev/null' || true
orca_ready || e2e_fail "Orca did not start within 60 s (see orca.log and orca-debug.log)"

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
# said_times <text> <count>: Orca said the text exactly so many times since the mark.
said_times() { local n; n=$(spoken "$mark" | grep -cF -- "$1" || true); [ "$n" -eq "$2" ] || e2e_fail "Orca said '$1' $n times, not $2"; }
# Orca speaks an object only if it still has the focus when Orca gets to its event, so what
# shows only for a moment (a banner, a running check) is started once its log has not grown
# for 0.3 s.
settled() { local before; before=$(log_mark); sleep 0.3; [ "$(log_mark)" -eq "$before" ]; }
settle() { e2e_until 10 settled || e2e_fail "Orca never fell silent"; }

# The game joins this session bus and always talks to the accessibility bus.
e2e_game_env "$E2E_TMP/home"
GAME_ENV+=(DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 TINTRIX_TEST_SEED=20240607)
idle='Tintrix board, no game running'

# start <first words> <environment>...: the game started so, its board focused, the words heard.
start() {
    mark=$(log_mark)
    e2e_open_board "$E2E_TMP/elsewhere" env "${@:2}" "$program/tintrix"
    expect "$1"
}
# banner <words> [first hole]: a banner heard and gone, then the level's first hole heard.
banner() {
    expect "$1"
    e2e_wait_gone '^ $' 15 || e2e_fail "the banner '$1' stayed"
    expect "${2:-Row 1, hole 1, empty}"
}
# new_game <banner's second line> [first hole]: New Game; the banner's second line said once.
new_game() {
    settle
    press ctrl+n
    banner 'LEVEL 1' "${2:-Row 1, hole 1, empty}"
    said_times "$1" 1
}
# leave: the Exit question heard and answered Yes, a clean end.
leave() {
    settle
    press ctrl+q
    expect 'Exit Tintrix\?'
    settle
    press alt+y
    e2e_ended_well 15
}

# --- Run 1: eight rows of pink lose level 1; the secret with the loss and in the reveal ------
start "$idle" TINTRIX_TEST_TIME_SCALE=0.5
new_game "4 SPACES, 6 COLORS, NO DUPLICATES"
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
e2e_log "the secret: $secret_words (keys ${secret[*]})"

# --- Run 2: a whole level by keyboard -----------------------------------------------------
run_start=$(log_mark)
start "$idle" TINTRIX_TEST_TIME_SCALE=1
new_game "4 SPACES, 6 COLORS, NO DUPLICATES"
press End
expect 'Row 1, hole 4, empty'
press Left
expect 'Row 1, hole 3, empty'
press Home
expect 'Row 1, hole 1, empty'

# Row 1: each secret colour one hole on. Each peg is spoken with the next hole, the last one
# with the check button and the whole row (each peg waits for its words: Orca skips what a
# faster key has moved on from).
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
expect 'Row 1: no black, four grey\. Row 2, hole 1, empty'

# Row 2: the two colours the secret leaves out, then the secret's last two.
others=()
for k in 1 2 3 4 5 6; do [[ " ${secret[*]} " == *" $k "* ]] || others+=("$k"); done
[ "${#others[@]}" -eq 2 ] || e2e_fail "level 1 should leave two colours out of the secret"
press "${others[0]}" "${others[1]}" "${secret[2]}" "${secret[3]}" Return
expect 'Row 2: two black, no grey\. Row 3, hole 1, empty'
# Checks are spoken without the name of the guess rows' panel before them.
said_times "Guess rows" 0

press "${secret[@]}"
settle
press Return
expect 'Row 3: four black, no grey\. Solved! Level 1 won, score [0-9]+'
banner 'LEVEL 2'

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
press ctrl+h
expect 'Top Scores'
expect 'Place 1: BLIND, score [0-9]+, level 2'
press Escape
expect "$idle"

# The help window, its topic list and the first topic spoken as it opens; the about box.
press F1
expect 'Tintrix Help'
expect 'List with [0-9]+ items'
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
leave
spoken "$run_start" >"$E2E_ART/spoken-level.txt"

# --- Run 3: one row in German, as a German desktop starts the game (LC_ALL lifted) -----------
# The secret's colours, each one hole on: four grey pegs, in German words.
german_start=$(log_mark)
de_peg=([1]="rosa Stift" [2]="blauer Stift" [3]="lila Stift" [4]="grüner Stift" [5]="oranger Stift" [6]="hellblauer Stift")
de_colour=([1]="rosa" [2]="blau" [3]="lila" [4]="grün" [5]="orange" [6]="hellblau")
start 'Tintrix-Spielbrett, kein Spiel läuft' -u LC_ALL LANGUAGE=de LANG=de_DE.UTF-8 TINTRIX_TEST_TIME_SCALE=0.5
new_game "4 LÖCHER, 6 FARBEN, OHNE DOPPELTE" 'Reihe 1, Loch 1, leer'
then=("Reihe 1, Loch 2, leer" "Reihe 1, Loch 3, leer" "Reihe 1, Loch 4, leer"
    "Reihe 1 prüfen: ${de_colour[${secret[1]}]}, ${de_colour[${secret[2]}]}, ${de_colour[${secret[3]}]}, ${de_colour[${secret[0]}]}")
for j in 0 1 2 3; do
    key="${secret[(j + 1) % 4]}"
    press "$key"
    expect "${de_peg[$key]} in Loch $((j + 1))\. ${then[j]}"
done
settle
press Return
expect 'Reihe 1: kein schwarzer, vier graue\. Reihe 2, Loch 1, leer'
spoken "$german_start" | grep -Eq 'Row [0-9]|peg in hole|black|grey' && e2e_fail "English words in the German game"
spoken "$german_start" >"$E2E_ART/spoken-german.txt"
e2e_stop "$GAME_PID"

# --- Run 4: level 19, covered feedback in words --------------------------------------------
# From a tournament kept at level 19 with the secret pink, blue, purple, green (keys 1 2 3 4);
# levels 1 to 18, each won on its last row, gave 250 x (1 + 2 + ... + 18) = 42750 points.
kept_tool="${TINTRIX_KEPT_TOURNAMENT:-$source_folder/tintrix_kept_tournament}"
[ -x "$kept_tool" ] || e2e_fail "$kept_tool is missing (it is built with the tests)"
data="$E2E_TMP/level19-data"
mkdir -p "$data/tintrix"
"$kept_tool" 19 42750 1 2 3 4 >"$data/tintrix/tournament.sav" || e2e_fail "the level 19 tournament was not written"
# level19_row <keys> <colour words> <what Orca says after the check>: fills and checks a row.
level19_row() {
    # shellcheck disable=SC2086  # the keys, one word each
    press $1
    expect "\. Check row [0-9]: $2 push button\.$"
    settle
    press Return
    expect "$3"
}
level19_start=$(log_mark)
start '^TOURNAMENT RESUMED dialog LEVEL 19, SCORE 42750\.$' TINTRIX_TEST_TIME_SCALE=0.5 XDG_DATA_HOME="$data"
banner '^TOURNAMENT RESUMED dialog LEVEL 19, SCORE 42750\.$'
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
banner '^LEVEL 20 dialog '
leave
grep -qx 'level 20' "$data/tintrix/tournament.sav" || e2e_fail "the tournament was not kept at level 20"
spoken "$level19_start" >"$E2E_ART/spoken-level19.txt"
cp "$ORCA_LOG" "$E2E_ART/orca-debug.log"
e2e_log "PASS"
