#!/usr/bin/env bash
# Redraws the chime's spectrogram beside its generator:
#   res/chime/spectrogram.sh build/default/chime.wav
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sox "${1:?the chime.wav the build drew}" -n rate 22050 spectrogram -x 1000 -y 385 -z 90 \
    -t "Selvantora chime" -o "$here/chime-spectrogram.png"
