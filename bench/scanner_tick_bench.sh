#!/bin/sh
# Runs the scanner-tick benchmark (one tick against one bare read of the stand-in room's history) under Wine.
#   bench/scanner_tick_bench.sh [BUILD_FOLDER] [--seconds S]
# Build it first:  cmake --build build/win32 --target chatroom scanner_tick_bench
exec "$(dirname "$0")/under_wine.sh" scanner_tick_bench "$@"
