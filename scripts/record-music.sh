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

. "$(dirname "${BASH_SOURCE[0]}")/private-world.sh"
private_world record
# Music on, effects off: the recording holds the tune alone.
printf '[preferences]\nmusic=True\nsound=False\n' >"$XDG_CONFIG_HOME/tintrix/tintrix.conf"
private_sound_server rate=44100 || { echo "no sound server could be started" >&2; exit 1; }
private_display || { echo "Xvfb did not start" >&2; exit 1; }
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
