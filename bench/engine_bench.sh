#!/bin/bash
# Plays a 128 kbit/s MP3 through the media engine under Wine for 10 s and prints the open-to-playing latency
# and the CPU share (bench/win32/engine_cpu_bench.cpp). Needs WINEPREFIX, DISPLAY and PULSE_SERVER as the
# sound checks do; WINE names the Wine loader (default: wine), ORVJUBO_WIN32_BUILD the Win32 build folder
# (default: build/win32).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVJUBO_WIN32_BUILD:-$repo/build/win32}
wine=${WINE:-wine}
bench=$build/bench/engine_cpu_bench.exe

for var in WINEPREFIX DISPLAY PULSE_SERVER; do
    [[ -n ${!var:-} ]] || { echo "engine_bench: $var is not set" >&2; exit 1; }
done
[[ -f $bench ]] || { echo "engine_bench: $bench not built (target engine_cpu_bench)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sox -n -r 44100 -c 2 -b 16 "$work/song.wav" synth 15 sine 300-3000 vol 0.5
lame --quiet --cbr -b 128 "$work/song.wav" "$work/song.mp3"

"$wine" "$bench" "Z:${work//\//\\}\\song.mp3" "${1:-10}"
