#!/usr/bin/env bash
# Idle CPU benchmark (not a test): builds a release of the game, runs it on a virtual X
# display and prints the share of one core it uses while nobody touches it:
#   start-up  the board after the splash, before any game (no music opened)
#   music off a game begun with New Game while the music preference is off
#   music on  a game begun with New Game while the music preference is on
# Aims: at most 2% with music on, at most 0.2% with it off.
#
# Needs xvfb-run and xdotool. For music to play on a machine without a sound server, the
# script starts a private PulseAudio server with a null sink (packages pulseaudio and
# pulseaudio-utils); without one the music-on figure only shows that nothing plays.
#
# Environment: BUILD_DIR (default <repo>/build), INTERVAL seconds measured (default 20),
# SETTLE seconds waited before measuring (default 8).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
interval=${INTERVAL:-20}
settle=${SETTLE:-8}

# ---------------------------------------------------------------------------------------
# One measurement, run inside the virtual display: bench-idle-cpu.sh --phase <name> <music>
if [ "${1:-}" = "--phase" ]; then
    phase=$2
    music=$3
    game=$build/bin/tintrix
    config=$XDG_CONFIG_HOME/tintrix
    mkdir -p "$config"
    printf '[preferences]\nmusic=%s\nsound=True\n' "$music" >"$config/tintrix.conf"

    "$game" >/dev/null 2>&1 &
    pid=$!
    # The splash closes itself after 2.7 s; then the board window appears.
    if ! wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintrix $' | head -n 1) || [ -z "$wid" ]; then
        echo "$phase: the board window did not appear" >&2
        kill "$pid" 2>/dev/null || true
        exit 1
    fi
    if [ "$phase" != "start-up" ]; then
        # New Game (Ctrl+N). There is no window manager, so focus the board by hand.
        xdotool windowfocus --sync "$wid" 2>/dev/null || true
        xdotool key --clearmodifiers ctrl+n
    fi
    # Let the level banner (3 s) close and start-up work finish.
    sleep "$settle"

    ticks() {
        # utime + stime of every thread, in clock ticks (fields 14 and 15 of stat; the
        # command name in field 2 may hold spaces, so count from the closing parenthesis).
        local stat
        stat=$(<"/proc/$pid/stat")
        stat=${stat##*) }
        set -- $stat
        echo $((${12} + ${13}))
    }
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "$phase: the game exited early" >&2
        exit 1
    fi
    before=$(ticks)
    sleep "$interval"
    after=$(ticks)
    hz=$(getconf CLK_TCK)
    streams=""
    if command -v pactl >/dev/null && pactl info >/dev/null 2>&1; then
        streams=" ($(pactl list short sink-inputs | wc -l) audio stream(s) open)"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    aim=0.2
    [ "$music" = "True" ] && aim=2
    awk -v t=$((after - before)) -v hz="$hz" -v s="$interval" -v p="$phase" -v x="$streams" -v aim="$aim" \
        'BEGIN { share = 100 * t / hz / s
                 printf "%-10s %6.2f%% of one core over %d s (aim: at most %s%%, %s)%s\n",
                        p, share, s, aim, share <= aim ? "met" : "MISSED", x }'
    exit 0
fi

# ---------------------------------------------------------------------------------------
for tool in xvfb-run xdotool cmake; do
    command -v "$tool" >/dev/null || { echo "bench-idle-cpu: $tool is missing" >&2; exit 1; }
done

echo "Building a release in $build ..."
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target tintrix tintrix_sounds >/dev/null

work=$(mktemp -d)
server_pid=""
cleanup() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The game's settings go to a private folder, never the user's own.
export HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME" "$XDG_CONFIG_HOME"

# A sound server: the user's, when one answers; otherwise a private one with a null sink.
if ! (command -v pactl >/dev/null && pactl info >/dev/null 2>&1); then
    export XDG_RUNTIME_DIR=$work/run
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    if command -v pulseaudio >/dev/null; then
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
            --load=module-native-protocol-unix --load=module-null-sink --load=module-always-sink \
            >"$work/pulseaudio.log" 2>&1 &
        server_pid=$!
        for _ in $(seq 50); do
            [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break
            sleep 0.1
        done
    fi
    if [ ! -S "$XDG_RUNTIME_DIR/pulse/native" ]; then
        echo "No sound server could be started: the music cannot play, so 'music on' measures a silent game." >&2
    fi
fi

echo "Measuring (${settle} s to settle, ${interval} s measured per line) ..."
for run in "start-up False" "music-off False" "music-on True"; do
    set -- $run
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --phase "$1" "$2"
done
