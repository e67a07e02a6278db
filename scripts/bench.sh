#!/usr/bin/env bash
# Tintrix benchmarks: measures the game against its own budget and prints one line per figure,
# the median over several runs with the smallest and the largest value, and whether the budget
# is met: by the median for start-up, memory and idle CPU, by every single value for the peg
# intervals, the input answers and the level openings. Not a test: it is never run by ctest,
# and nothing fails when a figure misses; the line says MISS.
#
#   bash scripts/bench.sh [startup] [memory] [idle] [pegs] [openlevel]   (default: all)
#
# It builds a release with the benchmark programs (tools/bench) and runs everything on a
# private virtual X display (Xvfb) with a private sound server (PulseAudio with a null sink),
# so the music really plays, silently, and nothing reaches the user's own desktop, settings or
# speakers:
#   startup    the real program, watched from outside (tintrix_startwatch): process start to
#              the splash drawn on screen, and the splash closing to the board drawn; in the
#              same runs, interleaved, a bare Qt window with a menu and a status bar
#              (tintrix_barewindow) to its first picture, and the game's time over the bare one
#   memory     peak resident memory of a whole scripted tournament with music on, the board
#              built as the program builds it (tintrix_bench memory); timers run 20 times
#              faster so that 36 levels take seconds; memory does not depend on the pace;
#              then ten levels with the board at its largest size (3x)
#   idle       the real program's share of one core over IDLE_SECONDS after New Game, with
#              the music preference on and off (openbox runs then, for the keyboard focus);
#              before New Game, the resident memory at rest, beside the bare window's
#   pegs       six-peg checks at the real pace: the intervals from the click to the first
#              peg and between pegs, and the slowest answer to pointer moves sent through the
#              X server every 10 ms during the checks (tintrix_bench pegs)
#   openlevel  OpenLevel of catalogue row 18, the largest level, from row 1
#
# Environment: BUILD_DIR (default <repo>/build-bench), RUNS (default 5), IDLE_RUNS (default
# 5), IDLE_SECONDS (default 20). Raw figures of the last run go to $BUILD_DIR/bench/last-run.txt.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-5}
idle_runs=${IDLE_RUNS:-5}
idle_seconds=${IDLE_SECONDS:-20}
figures=("$@")
[ ${#figures[@]} -gt 0 ] || figures=(startup memory idle pegs openlevel)
wanted() { [[ " ${figures[*]} " == *" $1 "* ]]; }

log() { printf '[%s] %s\n' "$(date +%T)" "$*" >&2; }
die() { log "bench: $*"; exit 1; }

bash "$root/scripts/install-deps.sh"
for tool in cmake ninja Xvfb openbox xdotool xprop pulseaudio pactl awk; do
    command -v "$tool" >/dev/null || die "$tool is missing (scripts/install-deps.sh installs it)"
done

# ------------------------------------------------------------------------------------------
# Build

log "building a release with the benchmark programs in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTRIX_BENCH=ON >/dev/null
cmake --build "$build" --target tintrix tintrix_sounds tintrix_help_file tintrix_bench tintrix_startwatch \
    tintrix_barewindow >/dev/null
game=$build/bin/tintrix
bare=$build/bench/tintrix_barewindow
bench=$build/bench/tintrix_bench
watch=$build/bench/tintrix_startwatch

# ------------------------------------------------------------------------------------------
# A private world: settings, runtime folder, sound server and display

. "$root/scripts/private-world.sh"
private_world bench
# Every run of the real program starts at rest: a tournament a run before left is not resumed.
fresh_start() { rm -f "$XDG_DATA_HOME/tintrix/tournament.sav"; }
sound_server=yes
private_sound_server || {
    sound_server=""
    log "no sound server could be started: the music cannot play, so the music figures measure a silent game"
}
private_display || die "Xvfb did not start"

raw=$build/bench/last-run.txt
: >"$raw"
record() { echo "$1 $2" >>"$raw"; } # record <figure> <value>

set_music() { # the real program's preference, as the game writes it
    mkdir -p "$XDG_CONFIG_HOME/tintrix"
    printf '[preferences]\nmusic=%s\nsound=True\n' "$1" >"$XDG_CONFIG_HOME/tintrix/tintrix.conf"
}

# ------------------------------------------------------------------------------------------
# Start-up, from outside, on the display without a window manager

if wanted startup; then
    log "start-up: $runs runs of the game and of a bare Qt window, interleaved (and one to warm the caches)"
    set_music True
    for run in $(seq 0 "$runs"); do
        fresh_start
        out=$("$watch" --single -- "$bare" 2>/dev/null) || die "bare window run failed: $out"
        bare_ms=$(awk '$1 == "splash.painted" { print $2 }' <<<"$out")
        out=$("$watch" -- "$game" 2>/dev/null) || die "start-up run failed: $out"
        [ "$run" -eq 0 ] && continue
        splash=$(awk '$1 == "splash.painted" { print $2 }' <<<"$out")
        board=$(awk '$1 == "board.painted" { b = $2 } $1 == "splash.closed" { c = $2 } END { print b - c }' <<<"$out")
        record startup.splash_ms "$splash"
        record startup.bare_ms "$bare_ms"
        record startup.vs_bare "$(awk -v a="$splash" -v b="$bare_ms" 'BEGIN { print a / b }')"
        record startup.board_ms "$board"
    done
fi

# ------------------------------------------------------------------------------------------
# In-process figures

if wanted memory; then
    log "memory: $runs scripted tournaments of 36 levels with music"
    for _ in $(seq "$runs"); do
        out=$("$bench" memory 36 0.05 2>/dev/null) || die "memory run failed: $out"
        record memory.tournament_mb "$(awk '$1 == "peak_rss_mb" { print $2 }' <<<"$out")"
        record music.advanced "$(awk '$1 == "music_advanced" { print $2 }' <<<"$out")"
    done
    log "memory: $runs scripted runs of ten levels with music, the board at its largest size"
    for _ in $(seq "$runs"); do
        out=$("$bench" memory 10 0.05 3 2>/dev/null) || die "memory run failed: $out"
        record memory.largest_mb "$(awk '$1 == "peak_rss_mb" { print $2 }' <<<"$out")"
    done
fi

if wanted pegs; then
    log "pegs: $runs runs of three six-peg checks"
    for _ in $(seq "$runs"); do
        out=$("$bench" pegs 3 2>/dev/null) || die "peg run failed: $out"
        awk '$1 == "peg_interval_ms" { print "pegs.interval_ms", $2 }' <<<"$out" >>"$raw"
        record pegs.input_ms "$(awk '$1 == "input_latency_max_ms" { print $2 }' <<<"$out")"
        record pegs.input_unanswered "$(awk '$1 == "input_unanswered" { print $2 }' <<<"$out")"
    done
fi

if wanted openlevel; then
    log "openlevel: $runs runs of five openings"
    for _ in $(seq "$runs"); do
        out=$("$bench" openlevel 5 2>/dev/null) || die "OpenLevel run failed: $out"
        awk '$1 == "openlevel_ms" { print "openlevel.row18_ms", $2 }' <<<"$out" >>"$raw"
    done
fi

# ------------------------------------------------------------------------------------------
# Idle CPU of the real program, with openbox so that the board takes the keyboard focus

cpu_ticks() { # utime + stime of all threads; the command name may hold spaces
    local stat
    stat=$(<"/proc/$1/stat")
    stat=${stat##*) }
    set -- $stat
    echo $((${12} + ${13}))
}

idle_run() { # idle_run <True|False>
    local music=$1 pid wid before after started=""
    set_music "$music"
    fresh_start
    "$game" >"$work/game.log" 2>&1 &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tintrix $' 2>/dev/null | head -n1) || true
    [ -n "$wid" ] || { kill "$pid"; die "idle: the board window did not appear"; }
    if [ "$music" = True ]; then
        sleep 3 # at rest: the board shown, no game, no music yet
        record memory.rest_mb "$(awk '/^VmRSS/ { print $2 / 1024 }' "/proc/$pid/status")"
    fi
    # New Game by its shortcut; the level banner (titled " ") shows that it started.
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid" >/dev/null 2>&1 || true
        xdotool key --clearmodifiers ctrl+n
        if timeout 3 xdotool search --sync --onlyvisible --name '^ $' >/dev/null 2>&1; then
            started=yes
            break
        fi
    done
    [ -n "$started" ] || { kill "$pid"; die "idle: New Game did not start"; }
    sleep 5 # the banner closes after 3 s; then the game waits for the player
    before=$(cpu_ticks "$pid")
    sleep "$idle_seconds"
    after=$(cpu_ticks "$pid")
    local key=idle.music_off_pct
    if [ "$music" = True ]; then
        key=idle.music_on_pct
        record music.streams "$(pactl list sink-inputs 2>/dev/null | grep -c -E 'media.name = "(Music|FluidSynth output)"' || true)"
        record memory.game_idle_mb "$(awk '/^VmHWM/ { print $2 / 1024 }' "/proc/$pid/status")"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    record "$key" "$(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$idle_seconds" 'BEGIN { print 100 * t / hz / s }')"
}

bare_rest() { # the bare Qt window's resident memory, beside the game's at rest
    local pid
    "$bare" >/dev/null 2>&1 &
    pid=$!
    timeout 30 xdotool search --sync --onlyvisible --name '^Bare$' >/dev/null 2>&1 || { kill "$pid"; die "the bare window did not appear"; }
    sleep 3
    record memory.bare_mb "$(awk '/^VmRSS/ { print $2 / 1024 }' "/proc/$pid/status")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

if wanted idle; then
    log "idle: $idle_runs runs each with music on and off, ${idle_seconds} s measured per run"
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    for _ in $(seq "$idle_runs"); do
        bare_rest
        idle_run True
        idle_run False
    done
fi

# ------------------------------------------------------------------------------------------
# Report

# figure <key> <unit> <budget text> <judge> <lowest allowed> <highest allowed> [note]
# judge "median": the figure of a typical run must meet the budget (start-up, memory, idle CPU);
# judge "every": the budget holds for every event, so the minimum and maximum must meet it
# (peg intervals, input answers, level openings).
figure() {
    local key=$1 unit=$2 budget=$3 judge=$4 low=$5 high=$6 note=${7:-}
    awk -v key="$key" -v unit="$unit" -v budget="$budget" -v judge="$judge" -v low="$low" -v high="$high" -v note="$note" '
        $1 == key { v[n++] = $2 }
        END {
            if (n == 0) exit
            # insertion sort: a few dozen values at most
            for (i = 1; i < n; i++) { x = v[i]; for (j = i - 1; j >= 0 && v[j] > x; j--) v[j + 1] = v[j]; v[j + 1] = x }
            med = (n % 2) ? v[(n - 1) / 2] : (v[n / 2 - 1] + v[n / 2]) / 2
            lo = (judge == "every") ? v[0] : med
            hi = (judge == "every") ? v[n - 1] : med
            ok = (low == "" || lo >= low) && (high == "" || hi <= high)
            fmt = (unit == "%" || unit == "x") ? "%.2f" : "%.1f"
            verdict = (budget == "") ? "the yardstick, no budget" : sprintf("budget %s %s: %s", budget,
                judge == "every" ? "for every value" : "for the median", ok ? "OK" : "MISS")
            printf "%-20s median %6s %-2s (min %s, max %s; %d values)  %s%s\n", key,
                sprintf(fmt, med), unit, sprintf(fmt, v[0]), sprintf(fmt, v[n - 1]), n, verdict, note
        }' "$raw"
}

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
os=$(. /etc/os-release && echo "$PRETTY_NAME")
echo
echo "Tintrix $(awk '/^project/ { for (i = 1; i <= NF; i++) if ($i == "VERSION") print $(i + 1) }' "$root/CMakeLists.txt") benchmarks, $(date +%F)"
echo "machine: $(nproc) cores, $cpu, $os, Xvfb 1280x1024x24, Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6)"
music_note=""
if [ -z "$sound_server" ] || grep -qE '^(music.advanced 0|music.streams 0)' "$raw"; then
    music_note="  (music did not play)"
fi
figure startup.splash_ms    ms "<= 120" median "" 120
figure startup.bare_ms      ms "" median "" ""
figure startup.vs_bare      x  "<= 1.1" median "" 1.1
figure startup.board_ms     ms "<= 150" median "" 150
figure memory.rest_mb       MB "<= 34" median "" 34
figure memory.bare_mb       MB "" median "" ""
figure memory.tournament_mb MB "<= 50" median "" 50 "$music_note"
figure memory.game_idle_mb  MB "<= 50" median "" 50 "$music_note"
figure memory.largest_mb    MB "<= 56" median "" 56 "$music_note"
figure idle.music_on_pct    %  "<= 1" median "" 1 "$music_note"
figure idle.music_off_pct   %  "<= 0.05" median "" 0.05
figure pegs.interval_ms     ms "200 +/- 15" every 185 215
unanswered=$(awk '$1 == "pegs.input_unanswered" { n += $2 } END { print n + 0 }' "$raw")
[ "$unanswered" -eq 0 ] && unanswered="" || unanswered="  ($unanswered moves never answered)"
figure pegs.input_ms        ms "<= 50" every "" 50 "$unanswered"
figure openlevel.row18_ms   ms "< 20" every "" 19.999
echo "raw figures: $raw"
