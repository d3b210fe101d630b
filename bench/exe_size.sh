#!/usr/bin/env bash
# How big the shipped 32-bit orvjubo.exe is, beside the bare message-box program (bench/baseline), and whether
# it is still one static file that imports only Windows' own DLLs and loads on Windows 7.
#   bench/exe_size.sh [BUILD]   (BUILD: the 32-bit build folder, build/win32 of this tree by default)
# Build it first:  cmake --build --preset win32 --target orvjubo chatroom message_box
# The last line is the report row (bench/report_row.h): met when orvjubo.exe is at most 1024 KB, passes
# tests/checks/win7_imports.sh and imports no DLL but Windows' own.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-"$root/build/win32"}
objdump=i686-w64-mingw32-objdump
exe="$build/orvjubo.exe"
baseline="$build/bench/message_box.exe"
limit=$((1024 * 1024))

# DLLs that are part of Windows itself (lower case). Anything else, such as the GCC runtime's
# libgcc_s_dw2-1.dll, libstdc++-6.dll or libwinpthread-1.dll, would have to ship beside the program.
windows_dlls=(kernel32.dll user32.dll gdi32.dll comctl32.dll uxtheme.dll comdlg32.dll shell32.dll ole32.dll
  oleaut32.dll advapi32.dll winmm.dll msvcrt.dll shlwapi.dll version.dll imm32.dll msimg32.dll winspool.drv
  ws2_32.dll psapi.dll dbghelp.dll dwmapi.dll shcore.dll ntdll.dll)

if ! command -v "$objdump" >/dev/null; then
  echo "exe_size: $objdump is missing (scripts/setup installs it)"
  exit 1
fi
if [ ! -f "$exe" ]; then
  echo "exe_size: $exe is missing (build the win32 preset first)"
  exit 1
fi

kb() { echo $((($1 + 512) / 1024)); }

bytes=$(stat -c %s "$exe")
echo "orvjubo.exe: $bytes bytes ($(kb "$bytes") KB), the limit is $limit bytes (1024 KB)"
if [ -f "$baseline" ]; then
  baseline_bytes=$(stat -c %s "$baseline")
  echo "message_box.exe (the bare baseline): $baseline_bytes bytes ($(kb "$baseline_bytes") KB)"
  baseline_field="$(kb "$baseline_bytes") KB (message box)"
  ratio=$(awk -v a="$bytes" -v b="$baseline_bytes" 'BEGIN { printf "%.2f", a / b }')
else
  echo "message_box.exe: missing ($baseline; build the target message_box)"
  baseline_field="none (message box not built)"
  ratio=-
fi

mapfile -t dlls < <("$objdump" -p "$exe" | awk '/DLL Name:/ { print $3 }')
echo "imports from ${#dlls[@]} DLL(s): ${dlls[*]}"
foreign=()
for dll in "${dlls[@]}"; do
  lower=${dll,,}
  known=0
  for windows_dll in "${windows_dlls[@]}"; do
    if [ "$lower" = "$windows_dll" ]; then
      known=1
      break
    fi
  done
  if [ "$known" = 0 ]; then
    foreign+=("$dll")
  fi
done
if [ "${#dlls[@]}" -eq 0 ]; then
  echo "exe_size: no import table read from $exe"
  foreign+=("(no import table)")
fi
if [ "${#foreign[@]}" -eq 0 ]; then
  echo "static: yes, every DLL it imports is Windows' own"
else
  echo "static: no, it imports DLLs that are not Windows' own: ${foreign[*]}"
fi

win7=passed
if ! check=$(bash "$root/tests/checks/win7_imports.sh" "$build" 2>&1); then
  win7=failed
fi
echo "Windows 7 import check (tests/checks/win7_imports.sh): $win7"
while IFS= read -r line; do
  echo "  $line"
done <<<"$check"

verdict=missed
if [ "$bytes" -le "$limit" ] && [ "$win7" = passed ] && [ "${#foreign[@]}" -eq 0 ]; then
  verdict=met
fi
printf 'report\t%s\t%s\t%s\t%s\t%s\t%s\n' "size of orvjubo.exe (i686)" "$(kb "$bytes") KB" "$baseline_field" \
  "$ratio" "<= 1024 KB, static, Windows DLLs only" "$verdict"
