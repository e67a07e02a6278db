#!/usr/bin/env bash
# Installs Tintrix from a build tree into a staging folder and starts the installed copy the
# way a desktop does: through the `tintrix` launcher found on the PATH (reached here through a
# symbolic link), from an unrelated working folder, with the program's folder read-only and a
# home of its own. Checks that the board window and the installed help open, and that nothing
# is written into the installed folder.
#
# The tree is installed for one prefix and run from another place (DESTDIR), so the launcher
# must find the program relative to itself.
#
# usage: install.sh <build folder> <artefact folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"

[ $# -eq 2 ] || { echo "usage: $0 <build folder> <artefact folder>" >&2; exit 2; }
build="$(cd "$1" && pwd)"
e2e_init "$2"
# Fusion's selection colour, behind the current topic of the help window.
E2E_SELECTION_COLOUR="#3A92C9"
e2e_need cmake Xvfb openbox xdotool xwininfo xprop import convert identify

# --- Install -------------------------------------------------------------------------------
prefix=/opt/tintrix-e2e
stage="$E2E_TMP/stage"
DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
    { cat "$E2E_TMP/install.log"; e2e_fail "cmake --install failed"; }
root="$stage$prefix"
e2e_log "installed into $root"

# --- The launcher finds the program relative to itself ------------------------------------
# (The installed file list, the desktop entry and the icons are checked by the package test.)
[ -x "$root/bin/tintrix" ] || e2e_fail "no launcher at bin/tintrix"
if grep -q -e "$build" -e "$stage" "$root/bin/tintrix"; then
    e2e_fail "the launcher names a build or staging path"
fi

# --- Start the installed copy --------------------------------------------------------------
# The program's folder is read-only. Root writes anywhere regardless, so as root the game runs
# as an unprivileged user, to whom the folder really is read-only.
chmod -R a-w "$root/lib/tintrix"
home="$E2E_TMP/home"
e2e_game_env "$home"
mkdir -p "$home/bin" "$E2E_TMP/elsewhere"
ln -s "$root/bin/tintrix" "$home/bin/tintrix"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$E2E_TMP" "$E2E_TMP/elsewhere"
    chown -R nobody "$home"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    if ! "${run_as[@]}" test -r "$root/lib/tintrix/tintrix.hlp" -a -w "$home"; then
        e2e_log "note: user nobody cannot reach $E2E_TMP; the game runs as root"
        run_as=()
    fi
fi
GAME_ENV+=(PATH="$home/bin:/usr/bin:/bin")
listing_before="$(ls -la "$root/lib/tintrix")"
# High scores of an installed copy live in the per-user data folder; two entries put there
# must be the ones the game shows.
mkdir -p "$home/.local/share/tintrix"
printf 'E2E\r\n 150 \r\n 7 \r\nQA\r\n 90 \r\n 3 \r\n' >"$home/.local/share/tintrix/Hsl.hsl"
[ "$(id -u)" -ne 0 ] || chown -R nobody "$home/.local/share/tintrix"

e2e_start_display
start=$SECONDS
e2e_start_game "$E2E_TMP/elsewhere" "${run_as[@]}" tintrix
board=$(e2e_wait_window '^Tintrix $' 30) || e2e_fail "the installed game showed no window 'Tintrix '"
e2e_log "board window after $((SECONDS - start)) s"
sleep 0.5
e2e_geometry "$board"
e2e_shot installed-start
e2e_board_origin "$SHOT" || e2e_fail "the installed game shows no wooden board"

# The help comes from the installed folder: with the file found, the window lists its topics
# beside the page; without it, only a page with the complaint.
e2e_activate "$board"
e2e_key F1
help=$(e2e_wait_window '^Tintrix Help$' 10) || e2e_fail "F1 opened no 'Tintrix Help' window"
sleep 0.5
e2e_geometry "$help"
e2e_shot installed-help
# Share of the selected topic's highlight colour in the left part, where the topic list is.
selected="$(convert "$SHOT" -crop "$((WIN_W * 2 / 5))x$WIN_H+$WIN_X+$WIN_Y" +repage -fuzz 12% \
    -fill black +opaque "$E2E_SELECTION_COLOUR" -fill white -opaque "$E2E_SELECTION_COLOUR" -format '%[fx:mean]' info:)"
awk -v f="$selected" 'BEGIN { exit !(f > 0.004) }' ||
    e2e_fail "the help window lists no topics: the installed tintrix.hlp was not read"
e2e_log "the help window lists the topics of the installed help file"
e2e_key Escape
e2e_wait_gone '^Tintrix Help$' 5 || e2e_fail "Escape did not close the help window"

# The high score window: places 1 and 2 filled from the per-user file, 3 to 5 empty. Place i
# is a row 300 twips high at 720 + 360 (i - 1) twips from the window's top.
e2e_activate "$board"
e2e_key ctrl+h
scores=$(e2e_wait_window '^Top Scores$' 10) || e2e_fail "Ctrl+H opened no 'Top Scores' window"
sleep 0.3
e2e_geometry "$scores"
e2e_shot installed-high-scores
ink() {
    convert "$SHOT" -crop "${WIN_W}x$(tw 300)+$WIN_X+$((WIN_Y + $(tw $((720 + 360 * ($1 - 1))))))" +repage \
        -colorspace Gray -threshold 50% -format '%[fx:1-mean]' info:
}
for place in 1 2 3 4 5; do
    text="$(ink "$place")"
    if [ "$place" -le 2 ]; then
        awk -v t="$text" 'BEGIN { exit !(t > 0.01) }' ||
            e2e_fail "place $place of the high scores is empty: the per-user Hsl.hsl was not read"
    else
        awk -v t="$text" 'BEGIN { exit !(t == 0) }' || e2e_fail "place $place of the high scores is not empty"
    fi
done
e2e_log "the high score window shows the two entries of the per-user file"
e2e_key Escape
e2e_wait_gone '^Top Scores$' 5 || e2e_fail "Escape did not close the high score window"

# Leave through the confirmation, as a player would.
e2e_activate "$board"
e2e_key ctrl+q
question=$(e2e_wait_window '^Tintrix$' 5) || e2e_fail "Ctrl+Q did not ask 'Exit Tintrix?'"
e2e_activate "$question"
e2e_key Return
e2e_wait_exit 5 || e2e_fail "the installed game was still running 5 s after Exit"
[ "$GAME_STATUS" -eq 0 ] || e2e_fail "the installed game ended with status $GAME_STATUS"

[ "$(ls -la "$root/lib/tintrix")" = "$listing_before" ] ||
    e2e_fail "the installed program's folder changed while the game ran"
e2e_log "the installed game ran from $E2E_TMP/elsewhere and ended with status 0"
