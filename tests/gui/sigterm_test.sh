#!/usr/bin/env bash
# Starts the program on the offscreen platform in an empty folder, sends it
# SIGTERM, and expects it to end through its close path with status 0.
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
QT_QPA_PLATFORM=offscreen "$program" &
pid=$!
sleep 1
kill -0 "$pid" || { echo "the program did not stay up"; exit 1; }
kill -TERM "$pid"
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "still running 5 s after SIGTERM"
    kill -KILL "$pid"
    exit 1
fi
wait "$pid"
status=$?
echo "exit status $status"
[ "$status" -eq 0 ]
