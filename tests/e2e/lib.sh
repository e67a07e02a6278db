# Shared by the end-to-end scripts: a private X display with a window manager, the game as a
# child process with its own home, waiting, screenshots and pixel probes. Source it, then call
# e2e_init first. Everything started here is stopped on any exit. Pixels are logical pixels of
# the board (15 twips each), colours are read from screenshots of the root window.
# shellcheck disable=SC2034  # WIN_*, BOARD_*, SHOT, PEEK and GAME_ENV are read by the sourcing scripts

E2E_BOARD_COLOUR="#7B4F2C" # the wooden board behind the holes
E2E_SCREEN="800x600x24"

E2E_TMP="" E2E_ART="" E2E_SHOT_NO=0 E2E_XVFB_PID="" E2E_WM_PID="" GAME_PID="" GAME_STATUS=""
E2E_PIDS=() # helpers a script started (a screen reader, a compositor), stopped after the game

e2e_log() { printf '[%s] %s\n' "$(date +%T)" "$*" >&2; }

# e2e_init <artefact folder>: a fresh temporary folder and artefact folder, cleanup on exit.
e2e_init() {
    E2E_ART="$1"
    rm -rf "$E2E_ART" && mkdir -p "$E2E_ART"
    E2E_TMP="$(mktemp -d "${TMPDIR:-/tmp}/tintrix-e2e.XXXXXX")"
    # The game in English, whatever the machine's language: the checks read its English texts.
    unset LANGUAGE LC_MESSAGES
    export LC_ALL=C.UTF-8
    trap e2e_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM HUP
    e2e_log "artefacts: $E2E_ART"
}

# e2e_stop <pid>: asks the process to end, and ends it after 2 s if it has not.
e2e_stop() {
    [ -n "$1" ] && kill "$1" 2>/dev/null || return 0
    e2e_until 2 eval "! kill -0 $1 2>/dev/null" || kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

e2e_cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    [ "$status" -ne 0 ] && [ -n "$E2E_ART" ] && [ -n "${DISPLAY:-}" ] &&
        import -window root "$E2E_ART/zz-on-failure.png" 2>/dev/null && e2e_log "screenshot on failure: zz-on-failure.png"
    [ -z "$GAME_STATUS" ] && e2e_stop "$GAME_PID"
    local pid
    for pid in "${E2E_PIDS[@]}"; do e2e_stop "$pid"; done
    e2e_stop "$E2E_WM_PID"
    e2e_stop "$E2E_XVFB_PID"
    if [ -n "$E2E_TMP" ] && [ -d "$E2E_TMP" ]; then
        cp "$E2E_TMP"/*.log "$E2E_ART/" 2>/dev/null
        chmod -R u+w "$E2E_TMP" 2>/dev/null
        rm -rf "$E2E_TMP"
    fi
    exit "$status"
}

e2e_fail() { e2e_log "FAIL: $*"; exit 1; }

# e2e_own_bus <the script's arguments>: runs the calling script again on a D-Bus session bus of
# its own, unless it is on one already.
e2e_own_bus() {
    [ -z "${TINTRIX_OWN_BUS:-}" ] || return 0
    command -v dbus-run-session >/dev/null || e2e_fail "dbus-run-session is missing (scripts/install-deps.sh)"
    exec env -u DBUS_SESSION_BUS_ADDRESS TINTRIX_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
}

# e2e_start_atspi: a private runtime folder and the accessibility bus, announced on the session bus.
e2e_start_atspi() {
    local launcher=/usr/libexec/at-spi-bus-launcher
    [ -x "$launcher" ] || e2e_fail "$launcher is missing (at-spi2-core)"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    "$launcher" --launch-immediately >"$E2E_TMP/atspi.log" 2>&1 &
    E2E_PIDS+=($!)
}

# e2e_program_copy <program folder>: program, a copy of the built program's folder (so that a
# high score file lands there and nowhere else), and $E2E_TMP/elsewhere to start it from.
e2e_program_copy() {
    program="$E2E_TMP/program"
    mkdir -p "$program/sound" "$program/translations" "$E2E_TMP/elsewhere"
    for f in tintrix sound/tintrix-sound.so Change.wav DropPeg.wav Gling.wav redo.wav Airy.mid tintrix{,_de,_fr,_es}.hlp \
        translations/tintrix_{de,fr,es}.qm; do
        [ -f "$1/$f" ] || e2e_fail "$f is missing from $1"
        cp "$1/$f" "$program/$f"
    done
}

# e2e_need <command>...: fails unless every tool named is there.
e2e_need() {
    local missing=() tool
    for tool in "$@"; do command -v "$tool" >/dev/null 2>&1 || missing+=("$tool"); done
    [ ${#missing[@]} -eq 0 ] || e2e_fail "missing tools: ${missing[*]} (scripts/install-deps.sh installs them)"
}

# e2e_until <seconds> <command>...: runs the command every 0.1 s until it succeeds.
e2e_until() {
    local deadline=$((SECONDS + $1))
    shift
    while ! "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
have_display() { [ -s "$E2E_TMP/display" ]; }

# Xvfb on a display number it picks itself, and openbox: without a window manager X refuses
# to give a window the keyboard focus.
e2e_start_display() {
    Xvfb -displayfd 3 -screen 0 "$E2E_SCREEN" -nolisten tcp -noreset \
        3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_until 15 have_display || e2e_fail "Xvfb did not start (see xvfb.log)"
    DISPLAY=":$(head -n1 "$E2E_TMP/display")"
    export DISPLAY
    unset XAUTHORITY
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    e2e_until 15 wm_running || e2e_fail "openbox did not start (see openbox.log)"
    e2e_log "display $DISPLAY with openbox"
}

# e2e_game_env <home>: the environment the game runs with, everything private to this test.
e2e_game_env() {
    local home="$1"
    mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" && mkdir -m 700 "$home/runtime"
    GAME_ENV=(
        -u SESSION_MANAGER -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime"
        QT_QPA_PLATFORM=xcb QT_AUTO_SCREEN_SCALE_FACTOR=0 QT_ENABLE_HIGHDPI_SCALING=0
        "QT_LOGGING_RULES=qt.multimedia*=false"
    )
}

# e2e_start_game <working folder> <command>...: starts the game in the background.
e2e_start_game() {
    (cd "$1" && shift && exec env "${GAME_ENV[@]}" "$@") >"$E2E_TMP/game.log" 2>&1 &
    GAME_PID=$! GAME_STATUS=""
    e2e_log "game started (pid $GAME_PID) in $*"
}

game_running() { kill -0 "$GAME_PID" 2>/dev/null; }

# e2e_open_board <working folder> <command>...: starts the game, waits for its board window
# and gives it the focus; board holds its id.
e2e_open_board() {
    e2e_start_game "$@"
    board=$(e2e_wait_window '^Tintrix $' 30) || e2e_fail "the board window 'Tintrix ' did not appear"
    e2e_activate "$board"
}

# e2e_ended_well <seconds>: the game ends within that time, with status 0 (GAME_STATUS).
e2e_ended_well() {
    e2e_until "$1" eval '! game_running' || e2e_fail "the game was still running $1 s after Exit was confirmed"
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
    [ "$GAME_STATUS" -eq 0 ] || e2e_fail "the game ended with status $GAME_STATUS"
}

# e2e_exit_by_keys: Ctrl+Q on the board, the question 'Exit Tintrix?' answered Yes, a clean end.
e2e_exit_by_keys() {
    e2e_activate "$board"
    e2e_key ctrl+q
    question=$(e2e_wait_window '^Tintrix$' 5) || e2e_fail "Ctrl+Q did not ask 'Exit Tintrix?'"
    [ -z "${1:-}" ] || "$1"
    e2e_activate "$question"
    e2e_key Return
    e2e_ended_well 5
}

# xdotool matches names case-insensitively: every name is anchored, only mapped windows count.
find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n1; }

# e2e_wait_window <name regex> <seconds>: prints the window's id.
window_shown() {
    game_running || e2e_fail "the game ended while waiting for window '$1' (see game.log)"
    [ -n "$(find_window "$1")" ]
}
e2e_wait_window() { e2e_until "$2" window_shown "$1" && find_window "$1"; }

# e2e_wait_gone <name regex> <seconds>
window_gone() { [ -z "$(find_window "$1")" ]; }
e2e_wait_gone() { e2e_until "$2" window_gone "$1"; }

# e2e_geometry <id>: WIN_X, WIN_Y, WIN_W, WIN_H of the window's inside, in screen pixels.
e2e_geometry() {
    read -r WIN_X WIN_Y WIN_W WIN_H < <(xwininfo -id "$1" 2>/dev/null | awk -F: '/Absolute upper-left X/ { x = $2 }
        /Absolute upper-left Y/ { y = $2 } /Width/ { w = $2 } /Height/ { h = $2 } END { print x, y, w, h }')
    [ -n "$WIN_H" ]
}

# e2e_activate <id>: gives the window the focus and waits until the manager reports it.
e2e_activate() {
    kill -0 "$E2E_WM_PID" 2>/dev/null || e2e_fail "openbox is gone (see openbox.log)"
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 ||
        timeout 5 xdotool windowfocus --sync "$1" >/dev/null 2>&1 || true
    sleep 0.2
}

# Clicks and keys go out at once; the caller waits for what they should bring about.
e2e_click() { timeout 5 xdotool mousemove --sync "$1" "$2" click 1; }
e2e_key() { xdotool key --delay 60 "$@"; }

# e2e_shot <name>: a screenshot of the whole display; SHOT holds its path.
e2e_shot() {
    E2E_SHOT_NO=$((E2E_SHOT_NO + 1))
    SHOT="$(printf '%s/%02d-%s.png' "$E2E_ART" "$E2E_SHOT_NO" "$1")"
    import -window root "$SHOT" || e2e_fail "screenshot failed"
    e2e_log "screenshot: $SHOT"
}

# A scratch screenshot for polling; not kept.
e2e_peek() {
    game_running || e2e_fail "the game ended unexpectedly (see game.log)"
    PEEK="$E2E_TMP/peek.png"
    import -window root "$PEEK" 2>/dev/null
}

# tw <twips>: logical pixels, rounded to the nearest as the board does it.
tw() { echo $((($1 + 7) / 15)); }

# e2e_mean <png> <x> <y>: mean colour "r g b" of the 9x9 square centred on (x, y).
e2e_mean() {
    convert "$1" -crop "9x9+$(($2 - 4))+$(($3 - 4))" +repage -scale '1x1!' -depth 8 txt:- |
        sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# colour_distance "r g b" "r g b": the largest difference of the three channels.
colour_distance() {
    local a b d m=0 i
    read -r -a a <<<"$1"
    read -r -a b <<<"$2"
    for i in 0 1 2; do
        d=$((a[i] - b[i]))
        [ "${d#-}" -gt "$m" ] && m=${d#-}
    done
    echo "$m"
}

# e2e_wait_board <id> <seconds>: waits until the window shows the wooden board; sets WIN_*, BOARD_*.
board_drawn() { e2e_geometry "$1" && e2e_peek && e2e_board_origin "$PEEK"; }
e2e_wait_board() { e2e_until "$2" board_drawn "$1"; }

# e2e_board_origin <png>: BOARD_X, BOARD_Y, the board's top-left corner on the screen, found by
# its colour in a column near the window's left edge, then in a row just below its top.
e2e_board_origin() {
    local offset
    offset=$(convert "$1" -crop "1x200+$((WIN_X + 4))+$WIN_Y" +repage -depth 8 txt:- |
        grep -m1 -i "$E2E_BOARD_COLOUR" | sed 's/^0,\([0-9]*\):.*/\1/') || true
    [ -n "$offset" ] || return 1
    BOARD_Y=$((WIN_Y + offset))
    offset=$(convert "$1" -crop "40x1+$((WIN_X - 10))+$((BOARD_Y + 2))" +repage -depth 8 txt:- |
        grep -m1 -i "$E2E_BOARD_COLOUR" | sed 's/^\([0-9]*\),0:.*/\1/') || true
    [ -n "$offset" ] || return 1
    BOARD_X=$((WIN_X - 10 + offset))
}
