#!/usr/bin/env bash
# One short game through a real X server, with the mouse and keyboard: New Game from the File
# menu, four pegs from the colour bar, the row checked, End Game, the reveal closed, Exit
# confirmed; what the screen shows at each step, no high score file for a score of 0, status 0.
# The secret is fixed (TINTRIX_TEST_SEED=1: pink, purple, light blue, green), so the bar's first
# four colours, pink, blue, purple, green, earn two black pegs and one grey.
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
GAME_ENV+=(TINTRIX_TEST_SEED=1 TINTRIX_TEST_TIME_SCALE=0.5)

e2e_start_display
start=$SECONDS
e2e_open_board "$E2E_TMP/elsewhere" "$program/tintrix"
e2e_wait_board "$board" 5 || e2e_fail "no wooden board ($E2E_BOARD_COLOUR) below the menu bar"
e2e_shot start
first="$SHOT"
e2e_log "board window after $((SECONDS - start)) s, board area at $BOARD_X,$BOARD_Y"

# Level 1 layout: colour bar at ColorBox1.Left 720, guess field at 600,360, clues at 2300.
bar_x() { echo $((BOARD_X + $(tw 720) + $(tw $((120 + 360 * $1))) + 12)); }
bar_y() { echo $((BOARD_Y + $(tw 120) + 12)); }
hole_x() { echo $((BOARD_X + $(tw 600) + $(tw $((240 + 360 * $1))) + 12)); }
clue_x() { echo $((BOARD_X + $(tw 2300) + $(tw $((120 + 360 * $1))) + 12)); }
row_y() { echo $((BOARD_Y + $(tw 360) + $(tw $((360 + 360 * $1))) + 12)); }
check_x() { echo $((BOARD_X + $(tw 120) + 16)); }
check_y() { echo $((BOARD_Y + $(tw $((720 + 360 * $1))) + 16)); }
# not_board <png> <x> <y>: true when the 9x9 square there is not the wooden board.
not_board() { [ "$(colour_distance "$(e2e_mean "$1" "$2" "$3")" "$board_rgb")" -gt 30 ]; }
board_rgb="$(printf '%d %d %d' "0x${E2E_BOARD_COLOUR:1:2}" "0x${E2E_BOARD_COLOUR:3:2}" "0x${E2E_BOARD_COLOUR:5:2}")"

# --- File > New Game, by mouse -----------------------------------------------------------
banner_up() { [ -n "$(find_window '^ $')" ]; }
menu_open() { e2e_peek && not_board "$PEEK" $((WIN_X + 16)) $((BOARD_Y + 12)); }
e2e_click $((WIN_X + 18)) $(((WIN_Y + BOARD_Y) / 2))
e2e_until 5 menu_open || e2e_fail "a click on File opened no menu"
e2e_shot file-menu
e2e_key Down Return
e2e_until 5 banner_up || e2e_fail "File > New Game showed no level banner"
e2e_shot level-banner
e2e_wait_gone '^ $' 10 || e2e_fail "the level banner stayed longer than 10 s"

# --- Four pegs from the colour bar, one per hole of the top row ---------------------------
# An empty hole, the clue holes and the bar as the first screenshot shows them (the banner may
# still linger on the last).
empty_hole="$(e2e_mean "$first" "$(hole_x 0)" "$(row_y 0)")"
for j in 0 1 2 3; do
    clue_before[j]="$(e2e_mean "$first" "$(clue_x "$j")" "$(row_y 0)")"
    bar_colour[j]="$(e2e_mean "$first" "$(bar_x "$j")" "$(bar_y)")"
done
hole_empty() {
    e2e_peek
    [ "$(colour_distance "$(e2e_mean "$PEEK" "$(hole_x "$1")" "$(row_y 0)")" "$empty_hole")" -le 30 ]
}
e2e_until 5 hole_empty 0 || e2e_fail "the top row was not drawn empty after the banner"
for j in 0 1 2 3; do
    e2e_click "$(bar_x "$j")" "$(bar_y)"
    e2e_click "$(hole_x "$j")" "$(row_y 0)"
    e2e_until 3 eval "! hole_empty $j" || e2e_fail "hole $j of the top row stayed empty after a click"
done
e2e_shot pegs-placed
for j in 0 1 2 3; do
    peg="$(e2e_mean "$SHOT" "$(hole_x "$j")" "$(row_y 0)")"
    [ "$(colour_distance "$peg" "${bar_colour[$j]}")" -le 12 ] ||
        e2e_fail "hole $j shows $peg, not the colour-bar entry $j (${bar_colour[$j]})"
done
e2e_log "the top row shows the four colours picked"

# --- Check the row by clicking the check button -------------------------------------------
# When the last peg has dropped, the check button moves down beside the second row.
check_moved() {
    e2e_peek
    ! not_board "$PEEK" "$(check_x 0)" "$(check_y 0)" && not_board "$PEEK" "$(check_x 1)" "$(check_y 1)"
}
e2e_click "$(check_x 0)" "$(check_y 0)"
e2e_until 10 check_moved || e2e_fail "the check button did not move down to the second row"
e2e_shot checked
# clue <hole>: empty, black, grey, or the colour found if it is neither black nor grey.
clue() {
    local now c max min
    now="$(e2e_mean "$SHOT" "$(clue_x "$1")" "$(row_y 0)")"
    read -r -a c <<<"$now"
    max=$(printf '%s\n' "${c[@]}" | sort -n | tail -n1)
    min=$(printf '%s\n' "${c[@]}" | sort -n | head -n1)
    if [ "$(colour_distance "$now" "${clue_before[$1]}")" -le 30 ]; then echo empty
    elif [ $((max - min)) -gt 40 ]; then echo "($now)"
    elif [ $(((c[0] + c[1] + c[2]) / 3)) -lt 110 ]; then echo black
    else echo grey; fi
}
feedback="$(clue 0) $(clue 1) $(clue 2) $(clue 3)"
[ "$feedback" = "black black grey empty" ] ||
    e2e_fail "the feedback shows '$feedback', not two black pegs, a grey one and an empty hole"
e2e_log "feedback: $feedback"

# --- End Game (Ctrl+E), the SORRY banner, the reveal window ---------------------------------
e2e_activate "$board"
e2e_key ctrl+e
e2e_until 5 banner_up || e2e_fail "Ctrl+E showed no 'SORRY!' banner"
e2e_shot game-over-banner
e2e_wait_gone '^ $' 10 || e2e_fail "the game-over banner stayed longer than 10 s"
reveal=$(e2e_wait_window '^Tintrix$' 10) || e2e_fail "the reveal window did not appear"
sleep 0.3
e2e_shot reveal-window
e2e_activate "$reveal"
e2e_key Return
e2e_wait_gone '^Tintrix$' 5 || e2e_fail "Return did not close the reveal window"
e2e_shot after-game

# --- Exit: Ctrl+Q, "Exit Tintrix?", Yes; a name prompt for the score of 0 would come first ---
no_score_kept() {
    [ -z "$(find_window '^New High Score$')" ] || e2e_fail "a score of 0 asked for a name"
    [ ! -e "$program/Hsl.hsl" ] || e2e_fail "a score of 0 wrote Hsl.hsl"
    sleep 0.3
    e2e_shot exit-question
}
e2e_exit_by_keys no_score_kept
e2e_log "the program ended with status 0 after $((SECONDS - start)) s"
