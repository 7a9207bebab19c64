#!/usr/bin/env bash
# Plays the chime through a real PulseAudio server with a null sink, records
# the sink's monitor and checks that the bell was heard: play_probe PATH
set -euo pipefail
probe=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime/pulse HOME=$work
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cleanup() {
    [ -n "${rec:-}" ] && kill "$rec" 2>/dev/null || true
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit -n \
    --load="module-null-sink sink_name=bells rate=48000" --load="module-native-protocol-unix" \
    2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink bells
sleep 1  # a fresh server's monitor records nothing for a moment

parec --latency-msec=20 -d bells.monitor --format=s16le --rate=48000 --channels=1 >"$work/heard.raw" &
rec=$!
sleep 0.3
SDL_AUDIODRIVER=pulseaudio "$probe" chime 1500
sleep 0.3
kill -INT "$rec"; wait "$rec" 2>/dev/null || true
rec=

stats=$(sox -t raw -r 48000 -e signed -b 16 -c 1 "$work/heard.raw" -n stat 2>&1)
rms=$(awk '/RMS +amplitude/ {print $3}' <<<"$stats")
echo "recorded RMS amplitude: $rms"
awk -v r="$rms" 'BEGIN { exit !(r > 0.02) }' || { echo "the bell was not heard"; exit 1; }
echo "the bell was heard through PulseAudio"
