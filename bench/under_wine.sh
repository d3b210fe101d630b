#!/bin/sh
# Runs one benchmark program of bench/ under Wine, with a Wine prefix and a virtual display of its own.
#   bench/under_wine.sh NAME [BUILD_FOLDER] [ARGUMENTS...]
# NAME is the program's name in BUILD_FOLDER/bench, without ".exe". BUILD_FOLDER defaults to the first of
# build/win32 and build/win64 that holds it. The programs it drives must be built too (orvjubo, chatroom).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
name=${1:?which benchmark}
shift
build=""
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
    build=$1
    shift
fi
if [ -z "$build" ]; then
    for candidate in "$root/build/win32" "$root/build/win64"; do
        if [ -f "$candidate/bench/$name.exe" ]; then
            build=$candidate
            break
        fi
    done
fi
build=$(cd "${build:?no build folder holds bench/$name.exe}" && pwd)
exe="$build/bench/$name.exe"
[ -f "$exe" ] || { echo "missing $exe" >&2; exit 1; }

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
    # No window manager runs on the virtual display: without this Wine waits up to two seconds for one
    # each time a window is hidden, and that wait would be timed with the program.
    xvfb-run -a "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wineserver" -w
fi
xvfb-run -a "$wine" "$exe" "$@"
