#!/usr/bin/env bash
# Plays one short game of Tintrix through a real X server, as a player would with the mouse
# and keyboard: New Game from the File menu, four pegs placed from the colour bar, the row
# checked, End Game, the reveal window closed, and Exit confirmed. Checks what the screen
# shows at each step, that a score of 0 leaves no high score file, and that the program ends
# with status 0. Screenshots of every step are kept in the artefact folder.
#
# usage: play.sh <program folder (build/bin)> <artefact folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"

[ $# -eq 2 ] || { echo "usage: $0 <program folder> <artefact folder>" >&2; exit 2; }
source_folder="$(cd "$1" && pwd)"
e2e_init "$2"
e2e_need Xvfb openbox xdotool xwininfo xprop import convert

e2e_program_copy "$source_folder"
e2e_game_env "$E2E_TMP/home"

e2e_start_display
start=$SECONDS
e2e_start_game "$E2E_TMP/elsewhere" "$program/tintrix"

# --- Start-up: the splash, then the board window ------------------------------------------
board=$(e2e_wait_window '^Tintrix $' 30) || e2e_fail "the board window 'Tintrix ' did not appear"
e2e_log "board window $board after $((SECONDS - start)) s"
sleep 0.5
e2e_geometry "$board"
e2e_shot start
e2e_board_origin "$SHOT" || e2e_fail "no wooden board ($E2E_BOARD_COLOUR) below the menu bar"
e2e_log "board area at $BOARD_X,$BOARD_Y in a ${WIN_W}x$WIN_H window"

# Level 1 layout: colour bar at ColorBox1.Left 720, guess field at 600,360, clues at 2300.
bar_x() { echo $((BOARD_X + $(tw 720) + $(tw $((120 + 360 * $1))) + 12)); }
bar_y() { echo $((BOARD_Y + $(tw 120) + 12)); }
hole_x() { echo $((BOARD_X + $(tw 600) + $(tw $((240 + 360 * $1))) + 12)); }
clue_x() { echo $((BOARD_X + $(tw 2300) + $(tw $((120 + 360 * $1))) + 12)); }
row_y() { echo $((BOARD_Y + $(tw 360) + $(tw $((360 + 360 * $1))) + 12)); }
check_x() { echo $((BOARD_X + $(tw 120) + 16)); }
check_y() { echo $((BOARD_Y + $(tw $((720 + 360 * $1)))  + 16)); }

# --- File > New Game, by mouse -----------------------------------------------------------
banner_up() { [ -n "$(find_window '^ $')" ]; }
e2e_activate "$board"
opened=""
for attempt in 1 2 3; do
    e2e_click $((WIN_X + 18)) $(((WIN_Y + BOARD_Y) / 2))
    [ "$attempt" -eq 1 ] && e2e_shot file-menu
    e2e_key Down Return
    if e2e_until 5 banner_up; then
        opened=yes
        break
    fi
    e2e_log "New Game did not start (attempt $attempt); trying again"
    e2e_key Escape Escape
done
[ -n "$opened" ] || e2e_fail "File > New Game showed no level banner"
e2e_shot level-banner
e2e_wait_gone '^ $' 10 || e2e_fail "the level banner stayed longer than 10 s"
sleep 0.3

# --- Four pegs from the colour bar, one per hole of the top row ---------------------------
e2e_peek
empty_hole="$(e2e_mean "$PEEK" "$(hole_x 0)" "$(row_y 0)")"
for j in 0 1 2 3; do
    clue_before[j]="$(e2e_mean "$PEEK" "$(clue_x "$j")" "$(row_y 0)")"
    bar_colour[j]="$(e2e_mean "$PEEK" "$(bar_x "$j")" "$(bar_y)")"
done
# The board takes clicks once the level has opened; a click that came too early is repeated.
hole_filled() {
    e2e_peek
    local peg
    peg="$(e2e_mean "$PEEK" "$(hole_x "$1")" "$(row_y 0)")"
    [ "$(colour_distance "$peg" "$empty_hole")" -gt 30 ]
}
for j in 0 1 2 3; do
    for attempt in 1 2 3; do
        e2e_click "$(bar_x "$j")" "$(bar_y)"
        e2e_click "$(hole_x "$j")" "$(row_y 0)"
        e2e_until 1 hole_filled "$j" && break
        e2e_log "hole $j stayed empty (attempt $attempt)"
    done
done
e2e_shot pegs-placed
for j in 0 1 2 3; do
    peg="$(e2e_mean "$SHOT" "$(hole_x "$j")" "$(row_y 0)")"
    [ "$(colour_distance "$peg" "$empty_hole")" -gt 30 ] ||
        e2e_fail "hole $j of the top row still looks empty ($peg)"
    [ "$(colour_distance "$peg" "${bar_colour[$j]}")" -le 12 ] ||
        e2e_fail "hole $j shows $peg, not the colour-bar entry $j (${bar_colour[$j]})"
done
e2e_log "the top row shows the four colours picked"

# --- Check the row by clicking the check button -------------------------------------------
e2e_click "$(check_x 0)" "$(check_y 0)"
# Six colours without repeats, four in the secret and four in the guess: at least two of the
# guess's colours are in the secret, so the first two clue holes get pegs, one per 200 ms.
clue_peg_shown() {
    e2e_peek
    local now
    now="$(e2e_mean "$PEEK" "$(clue_x 1)" "$(row_y 0)")"
    [ "$(colour_distance "$now" "${clue_before[1]}")" -gt 30 ]
}
e2e_until 10 clue_peg_shown || e2e_fail "no feedback pegs appeared after the check"
sleep 1.2 # the remaining pegs drop
e2e_shot checked
pegs=0
blacks=0
seen_grey=""
if banner_up; then
    # The guess matched: the next level's banner already covers the clue row.
    pegs=4
    blacks=4
fi
for ((j = pegs; j < 4; j++)); do
    clue="$(e2e_mean "$SHOT" "$(clue_x "$j")" "$(row_y 0)")"
    if [ "$(colour_distance "$clue" "${clue_before[$j]}")" -le 30 ]; then
        break # pegs fill the clue holes from the left
    fi
    [ "$(saturation "$clue")" -le 40 ] || e2e_fail "clue hole $j shows $clue, neither black nor grey"
    pegs=$((pegs + 1))
    if [ "$(brightness "$clue")" -lt 110 ]; then
        [ -z "$seen_grey" ] || e2e_fail "a black peg follows a grey one in the clue row"
        blacks=$((blacks + 1))
    else
        seen_grey=yes
    fi
done
for ((j = pegs; j < 4; j++)); do
    clue="$(e2e_mean "$SHOT" "$(clue_x "$j")" "$(row_y 0)")"
    [ "$(colour_distance "$clue" "${clue_before[$j]}")" -le 30 ] ||
        e2e_fail "clue hole $j changed ($clue) after an empty clue hole"
done
[ "$pegs" -ge 2 ] || e2e_fail "only $pegs feedback pegs for four different colours of six"
e2e_log "feedback: $pegs pegs, $blacks black"

won=""
if [ "$blacks" -eq 4 ]; then
    # One game in 360 guesses the secret at once: level 2 follows and the score is positive.
    won=yes
    e2e_log "the first guess cracked the secret: level 2 follows"
    e2e_until 5 banner_up || e2e_fail "no level 2 banner after a won level"
    e2e_wait_gone '^ $' 10 || e2e_fail "the level 2 banner stayed longer than 10 s"
else
    # A miss: the check button moves down beside the second row.
    e2e_peek
    at_row0="$(convert "$PEEK" -crop "32x20+$((BOARD_X + $(tw 120)))+$((BOARD_Y + $(tw 720)))" +repage \
        -fill black +opaque "$E2E_BOARD_COLOUR" -fill white -opaque "$E2E_BOARD_COLOUR" -format '%[fx:mean]' info:)"
    at_row1="$(convert "$PEEK" -crop "32x20+$((BOARD_X + $(tw 120)))+$((BOARD_Y + $(tw 1080) + 12))" +repage \
        -fill black +opaque "$E2E_BOARD_COLOUR" -fill white -opaque "$E2E_BOARD_COLOUR" -format '%[fx:mean]' info:)"
    e2e_log "board colour beside row 1: $at_row0, beside row 2: $at_row1"
    awk -v a="$at_row0" -v b="$at_row1" 'BEGIN { exit !(a > 0.99 && b < 0.9) }' ||
        e2e_fail "the check button did not move down to the second row"
fi

# --- End Game (Ctrl+E), the SORRY banner, the reveal window ---------------------------------
e2e_activate "$board"
e2e_key ctrl+e
if ! e2e_until 5 banner_up; then
    e2e_log "Ctrl+E showed no banner; using File > End Game"
    e2e_click $((WIN_X + 18)) $(((WIN_Y + BOARD_Y) / 2))
    e2e_key Down Down Return
    e2e_until 5 banner_up || e2e_fail "End Game showed no 'SORRY!' banner"
fi
e2e_shot game-over-banner
e2e_wait_gone '^ $' 10 || e2e_fail "the game-over banner stayed longer than 10 s"
reveal=$(e2e_wait_window '^Tintrix$' 10) || e2e_fail "the reveal window did not appear"
sleep 0.3
e2e_shot reveal-window
e2e_activate "$reveal"
e2e_key Return
if ! e2e_wait_gone '^Tintrix$' 3; then
    # OK stands at 360,1560 twips in the window, 1035 x 405.
    e2e_log "Return did not close the reveal window; clicking OK"
    e2e_geometry "$reveal"
    e2e_click $((WIN_X + $(tw 360) + 34)) $((WIN_Y + $(tw 1560) + 13))
    e2e_wait_gone '^Tintrix$' 5 || e2e_fail "neither Return nor OK closed the reveal window"
fi

# --- The high score: none for 0 points --------------------------------------------------
if [ -n "$won" ]; then
    prompt=$(e2e_wait_window '^New High Score$' 10) || e2e_fail "a won level asked for no name"
    e2e_shot name-prompt
    e2e_activate "$prompt"
    xdotool type --delay 60 "e2e"
    e2e_key Return
    e2e_wait_gone '^New High Score$' 5 || e2e_fail "the name prompt did not close"
    e2e_until 5 test -f "$program/Hsl.hsl" || e2e_fail "no Hsl.hsl in the program's folder"
    grep -q '^E2E' "$program/Hsl.hsl" || e2e_fail "Hsl.hsl does not hold the name E2E"
else
    if prompt=$(e2e_wait_window '^New High Score$' 2); then
        e2e_shot unexpected-prompt
        e2e_fail "a score of 0 asked for a name"
    fi
    [ ! -e "$program/Hsl.hsl" ] || e2e_fail "a score of 0 wrote Hsl.hsl"
    e2e_log "no name asked and no Hsl.hsl written for a score of 0"
fi
e2e_shot after-game

# --- Exit: Ctrl+Q, "Exit Tintrix?", Yes ----------------------------------------------------
e2e_activate "$board"
e2e_key ctrl+q
if ! question=$(e2e_wait_window '^Tintrix$' 3); then
    e2e_log "Ctrl+Q asked nothing; using File > Exit"
    e2e_geometry "$board"
    e2e_click $((WIN_X + 18)) $(((WIN_Y + BOARD_Y) / 2))
    e2e_key Up Return
    question=$(e2e_wait_window '^Tintrix$' 5) || e2e_fail "Exit did not ask 'Exit Tintrix?'"
fi
sleep 0.3
e2e_shot exit-question
e2e_activate "$question"
e2e_key Return
e2e_until 3 eval '! game_running' || e2e_key alt+y
e2e_wait_exit 5 || e2e_fail "the program was still running 5 s after Exit was confirmed"
[ "$GAME_STATUS" -eq 0 ] || e2e_fail "the program ended with status $GAME_STATUS"
e2e_log "the program ended with status 0 after $((SECONDS - start)) s"
