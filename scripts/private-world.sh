# Sourced by the benchmark and the music recorder: a private world for the real program, so
# that nothing reaches the user's desktop, settings or speakers. Everything started here is
# stopped, and the work folder removed, when the script exits.
#
#   private_world <name>             work folder, settings and runtime folders, environment
#   private_sound_server [sink args] PulseAudio with a null sink; fails if it does not answer
#   private_display                  Xvfb 1280x1024x24, DISPLAY set

private_world() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/tintrix-$1.XXXXXX")
    pids=()
    trap private_world_end EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM HUP
    export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
    export XDG_RUNTIME_DIR=$work/run
    mkdir -p "$HOME" "$XDG_CONFIG_HOME/tintrix" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS QT_SCALE_FACTOR PULSE_SERVER
    export QT_QPA_PLATFORM=xcb QT_AUTO_SCREEN_SCALE_FACTOR=0 QT_ENABLE_HIGHDPI_SCALING=0
    export QT_LOGGING_RULES="qt.multimedia*=false"
}

private_world_end() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}

private_sound_server() {
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --load=module-native-protocol-unix --load="module-null-sink $*" --load=module-always-sink \
        >"$work/pulseaudio.log" 2>&1 &
    pids+=($!)
    local _
    for _ in $(seq 50); do
        [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break
        sleep 0.1
    done
    pactl info >/dev/null 2>&1
}

private_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    local _
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || return 1
    export DISPLAY=":$(head -n1 "$work/display")"
    unset XAUTHORITY
}
