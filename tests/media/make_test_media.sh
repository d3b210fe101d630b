#!/bin/bash
# Makes the MP3 files the Win32 engine tests play, into the folder given as the first argument (default:
# build/test-media). Files that already exist are kept. Prints the folder; export it as ORVJUBO_TEST_MEDIA_DIR.
set -euo pipefail

dir=${1:-build/test-media}
mkdir -p "$dir"

# tone NAME SECONDS FREQUENCY: a stereo sine, 44.1 kHz, coded at a constant 128 kbit/s.
tone() {
    local target="$dir/$1"
    [[ -s $target ]] && return 0
    local wav
    wav=$(mktemp --suffix=.wav)
    sox -n -r 44100 -c 2 -b 16 "$wav" synth "$2" sine "$3" vol 0.5
    lame --quiet --cbr -b 128 "$wav" "$target.part"
    rm -f "$wav"
    mv "$target.part" "$target"
}

tone short_440.mp3 1 440
tone short_660.mp3 1 660
tone short_880.mp3 1 880
tone long_440.mp3 12 440
# The demonstration's songs: long enough to last the whole session.
tone demo_tune.mp3 180 392

# A text file that only carries a song's name.
[[ -s $dir/not_a_song.mp3 ]] || printf 'This is a text file, not a song.\r\n' >"$dir/not_a_song.mp3"

echo "$dir"
