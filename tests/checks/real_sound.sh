#!/bin/bash
# Real sound: plays an 880 Hz, 2 s tone through the program's media engine (tools/playfile) under Wine,
# records the sound server's "cap" sink and checks the recording's pitch (within 2 %) and length (within
# 0.35 s). Needs WINEPREFIX, DISPLAY and PULSE_SERVER (a private PulseAudio with the null sink "cap", started
# before the prefix was made). WINE names the Wine loader (default: wine); ORVJUBO_WIN32_BUILD the Win32
# build folder (default: build/win32).
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${ORVJUBO_WIN32_BUILD:-$repo/build/win32}
wine=${WINE:-wine}
playfile=$build/tools/playfile/playfile.exe
frequency=880
seconds=2

fail() {
    echo "real_sound: FAIL: $*" >&2
    exit 1
}

for var in WINEPREFIX DISPLAY PULSE_SERVER; do
    [[ -n ${!var:-} ]] || fail "$var is not set"
done
[[ -x $playfile || -f $playfile ]] || fail "$playfile not built (target playfile)"
pactl list short sinks | grep -q $'\tcap\t' || fail "the sound server has no sink named cap"

work=$(mktemp -d)
parec_pid=
cleanup() {
    [[ -n $parec_pid ]] && kill "$parec_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

sox -n -r 44100 -c 2 -b 16 "$work/tone.wav" synth $seconds sine $frequency vol 0.5
lame --quiet --cbr -b 128 "$work/tone.wav" "$work/tone.mp3"

parec --raw --latency-msec=20 -d cap.monitor --rate=44100 --channels=2 --format=s16le >"$work/out.raw" &
parec_pid=$!
sleep 0.5
windows_path="Z:${work//\//\\}\\tone.mp3"
"$wine" "$playfile" "$windows_path" || fail "playfile exited with $?"
sleep 0.3
kill -INT "$parec_pid"
wait "$parec_pid" || true
parec_pid=

[[ -s $work/out.raw ]] || fail "nothing was recorded"
sox -t raw -r 44100 -e signed-integer -b 16 -c 2 "$work/out.raw" "$work/out.wav"
sox "$work/out.wav" "$work/trimmed.wav" silence 1 0.01 1% reverse silence 1 0.01 1% reverse
measured_seconds=$(soxi -D "$work/trimmed.wav")
measured_frequency=$(sox "$work/trimmed.wav" -n remix 1 stat 2>&1 | awk '/Rough +frequency/ {print $3}')
[[ -n $measured_frequency ]] || fail "no sound in the recording"

echo "real_sound: recorded ${measured_seconds} s at ${measured_frequency} Hz (played ${seconds} s at ${frequency} Hz)"
awk -v f="$measured_frequency" -v want=$frequency 'BEGIN { d = f - want; if (d < 0) d = -d; exit !(d <= 0.02 * want) }' ||
    fail "pitch ${measured_frequency} Hz is not within 2 % of ${frequency} Hz"
awk -v s="$measured_seconds" -v want=$seconds 'BEGIN { d = s - want; if (d < 0) d = -d; exit !(d <= 0.35) }' ||
    fail "length ${measured_seconds} s is not within 0.35 s of ${seconds} s"
echo "real_sound: pass"
