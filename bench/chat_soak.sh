#!/bin/sh
# Runs the long session of chat commands (2 000 lines, one per scanner period: about 20 minutes; the
# environment variable ORVJUBO_SOAK_LINES sets another number) under Wine, with a Wine prefix and a virtual
# display of its own. Prints the figures and the test's result.
#   bench/chat_soak.sh [BUILD_FOLDER]
# BUILD_FOLDER defaults to the first of build/win32 and build/win64 that holds the program; build it first:
#   cmake --build build/win32 --target orvjubo chatroom chat_soak
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=""
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
    build=$1
    shift
fi
if [ -z "$build" ]; then
    for candidate in "$root/build/win32" "$root/build/win64"; do
        if [ -f "$candidate/bench/chat_soak.exe" ]; then
            build=$candidate
            break
        fi
    done
fi
build=$(cd "${build:?no build folder holds bench/chat_soak.exe}" && pwd)
exe="$build/bench/chat_soak.exe"
[ -f "$exe" ] || { echo "missing $exe" >&2; exit 1; }
[ -f "$build/orvjubo.exe" ] || { echo "missing $build/orvjubo.exe" >&2; exit 1; }
[ -f "$build/tools/chatroom/chatroom.exe" ] || { echo "missing $build/tools/chatroom/chatroom.exe" >&2; exit 1; }

# A 64-bit program needs the 64-bit loader and prefix.
if file "$exe" | grep -q 'PE32+'; then
    arch=win64
    wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
else
    arch=win32
    wine=$(command -v wine)
fi

export WINEPREFIX="$build/wineprefix-bench" WINEARCH=$arch WINEDEBUG=-all HOME="$build/home-bench"
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap '"$wineserver" -k 2>/dev/null || true' EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    xvfb-run -a "$wine" wineboot -i >/dev/null 2>&1
    "$wineserver" -w
fi
xvfb-run -a "$wine" "$exe" "$@"
