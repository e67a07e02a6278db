#!/usr/bin/env bash
# Records what the game plays after New Game, through a private sound server's null sink, to
# compare the music of two builds (the same tune, the same loudness, no gap at the loop point,
# no late start). Like the benchmark, it runs the real program on a private virtual display
# with its own settings, so nothing reaches the user's desktop, settings or speakers.
#
#   bash scripts/record-music.sh <program> <seconds> <out.wav>
#
# Prints "newgame_to_sound_ms <ms>": from the New Game key to the first sound recorded (the
# recorder's own start-up is measured and taken off). Compare two recordings with sox, e.g.
#   sox out.wav -n stats; sox out.wav -n trim 90 2 stat    (the loop point of the tune)
set -euo pipefail

[ $# -eq 3 ] || { echo "usage: $0 <program> <seconds> <out.wav>" >&2; exit 2; }
game=$(realpath "$1") seconds=$2 out=$3
for tool in Xvfb openbox xdotool pulseaudio parec sox; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh, and sox)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tintrix-record.XXXXXX")
pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/tintrix" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS PULSE_SERVER
export QT_QPA_PLATFORM=xcb
# Music on, effects off: the recording holds the tune alone.
printf '[preferences]\nmusic=True\nsound=False\n' >"$XDG_CONFIG_HOME/tintrix/tintrix.conf"

pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --load=module-native-protocol-unix --load="module-null-sink rate=44100" --load=module-always-sink \
    >"$work/pulseaudio.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break; sleep 0.1; done
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1

"$game" >/dev/null 2>&1 &
pids+=($!)
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintrix $' | head -n1)
sleep 2
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true

now() { date +%s.%N; }
parec -d null.monitor --latency-msec=10 --format=s16le --rate=44100 --channels=2 --raw >"$work/music.raw" &
recorder=$!
pids+=("$recorder")
# The recorder has started once its file grows (silence included).
while [ ! -s "$work/music.raw" ]; do sleep 0.005; done
recording=$(now)
sleep 0.5
pressed=$(now)
xdotool key --clearmodifiers ctrl+n
sleep "$seconds"
kill "$recorder"
wait "$recorder" 2>/dev/null || true
sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/music.raw" "$out"
# The first sample above -60 dBFS, against the moment the key was pressed.
after=$(sox "$out" -n silence 1 0.001 -60d stat 2>&1 | awk '/^Length/ { print $3 }')
total=$(sox --i -D "$out")
awk -v total="$total" -v after="$after" -v rec="$recording" -v key="$pressed" \
    'BEGIN { printf "newgame_to_sound_ms %.0f\n", ((total - after) - (key - rec)) * 1000 }'
