#!/usr/bin/env bash
# Takes the screenshots of the software-centre listing from the real program on a private
# virtual display: a level under way on the default board, and the same on the ice board with
# the second colour bar. Rows are played with the keyboard: New Game, three rows checked, a
# fourth begun.
#
# usage: scripts/screenshots.sh [build folder (build)] [output folder (packaging/screenshots)]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tests/e2e/lib.sh"
build="$(cd "${1:-$root/build}" && pwd)"
out="${2:-$root/packaging/screenshots}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
e2e_init "$build/screenshot-artifacts"
e2e_need Xvfb openbox xdotool xwininfo xprop import convert
E2E_SCREEN="1280x1024x24"
e2e_start_display

# shot <file> <style 1-4> <second colour bar True|False>
shot() {
    local home="$E2E_TMP/home-$2"
    e2e_game_env "$home"
    # Drawn at twice the size, with the pictures made for sharp screens.
    GAME_ENV+=(QT_SCALE_FACTOR=2)
    mkdir -p "$home/.config/tintrix"
    printf '[preferences]\nstyle=%s\nsound=False\nmusic=False\nColorBar=%s\n' "$2" "$3" \
        >"$home/.config/tintrix/tintrix.conf"
    mkdir -p "$E2E_TMP/program-$2"
    cp -L "$build/bin/"{tintrix,Change.wav,DropPeg.wav,Gling.wav,redo.wav,Airy.mid,tintrix.hlp} "$E2E_TMP/program-$2/"
    e2e_start_game "$E2E_TMP" "$E2E_TMP/program-$2/tintrix"
    local board
    board=$(e2e_wait_window '^Tintrix $' 30) || e2e_fail "no board window"
    sleep 0.5
    e2e_activate "$board"
    e2e_key ctrl+n
    e2e_until 5 eval '[ -n "$(find_window "^ $")" ]' || e2e_fail "New Game showed no level banner"
    e2e_wait_gone '^ $' 10 || e2e_fail "the level banner stayed"
    sleep 0.3
    e2e_activate "$board"
    for row in "1 2 3 4" "2 5 1 6" "5 1 4 2"; do
        # shellcheck disable=SC2086
        e2e_key $row Return
        sleep 1.4 # the feedback pegs drop one by one
    done
    e2e_key 4 1 5
    sleep 0.5
    import -window "$board" "$out/$1" || e2e_fail "screenshot of the board failed"
    e2e_log "$out/$1: $(identify -format '%wx%h' "$out/$1")"
    e2e_stop "$GAME_PID"
    GAME_PID=""
}
shot board.png 1 False
shot ice-board.png 3 True
