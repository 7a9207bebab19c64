# Shared by the scripts that drive the real program: a virtual display, a
# PulseAudio server with a null sink, and a recording of what it played.
# Source it; call desktop_start, then desktop_stop when done.

desktop_install() {
    local need=()
    for p in xvfb xauth xdotool pulseaudio pulseaudio-utils python3 imagemagick; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
    done
    if [ ${#need[@]} -gt 0 ]; then
        local sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
    fi
}

desktop_start() {
    DESKTOP_WORK=$(mktemp -d)
    export XDG_RUNTIME_DIR=$DESKTOP_WORK/runtime PULSE_RUNTIME_PATH=$DESKTOP_WORK/runtime/pulse
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit -n \
        --load="module-null-sink sink_name=bells rate=48000" \
        --load="module-native-protocol-unix" 2>/dev/null
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink bells
    sleep 1  # a fresh server's monitor records nothing for a moment

    local display
    for display in $(seq 91 120); do [ -e /tmp/.X11-unix/X$display ] || break; done
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    DESKTOP_XVFB=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# Records the sink's monitor to $1 (raw, signed 16-bit mono at 48 kHz) until desktop_stop_recording.
desktop_record() {
    parec --latency-msec=10 -d bells.monitor --format=s16le --rate=48000 --channels=1 >"$1" &
    DESKTOP_REC=$!
}

desktop_stop_recording() {
    if [ -n "${DESKTOP_REC:-}" ]; then
        kill -INT "$DESKTOP_REC" 2>/dev/null || true
        wait "$DESKTOP_REC" 2>/dev/null || true
    fi
    DESKTOP_REC=
}

desktop_stop() {
    desktop_stop_recording
    if [ -n "${DESKTOP_XVFB:-}" ]; then kill "$DESKTOP_XVFB" 2>/dev/null || true; fi
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$DESKTOP_WORK"
}

# Waits for the main window and prints its X window id.
desktop_main_window() {
    local id
    for _ in $(seq 400); do
        id=$(xdotool search --name "^Selvantora Meditation Timer$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

# Prints the moments (seconds into the recording) where a bell starts: the
# level jumps well above what it was a moment before.
desktop_onsets() {
    python3 - "$1" <<'PY'
import struct, sys, math
data = open(sys.argv[1], 'rb').read()
n = len(data) // 2
samples = struct.unpack('<%dh' % n, data[:n * 2])
win = 240  # 5 ms
levels = [math.sqrt(sum(s * s for s in samples[i:i + win]) / win) / 32767
          for i in range(0, n - win, win)]
last = -1.0
for i, level in enumerate(levels):
    before = max(levels[max(0, i - 20):max(0, i - 2)] or [0])
    t = i * win / 48000
    if level > 0.02 and level > 2.5 * before + 0.005 and t - last > 0.5:
        # the first sample of the window above the noise floor
        for j in range(i * win, i * win + win):
            if abs(samples[j]) > 200:
                t = j / 48000
                break
        print("%.3f" % t)
        last = t
PY
}
