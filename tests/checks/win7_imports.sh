#!/usr/bin/env bash
# The shipped 32-bit programs start on Windows 7: the import tables of orvjubo.exe and of the stand-in chat room
# (build/win32) name only DLLs that Windows 7 has and no function that a later Windows added. A program that
# imports such a function does not load at all on the older system; the program looks those up at run time.
#   tests/checks/win7_imports.sh [BUILD]   (BUILD: the 32-bit build folder, by default build/win32)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-"$root/build/win32"}
objdump=i686-w64-mingw32-objdump
programs=(orvjubo.exe tools/chatroom/chatroom.exe)

# Windows' own DLLs the programs may import, all part of Windows 7 (lower case).
allowed_dlls=(kernel32.dll user32.dll gdi32.dll comctl32.dll uxtheme.dll comdlg32.dll shell32.dll ole32.dll
  oleaut32.dll oleacc.dll advapi32.dll winmm.dll msvcrt.dll ws2_32.dll)

# Functions of kernel32, user32, gdi32, shell32, ole32 and shcore that Windows 8 or later added and that a
# program like this one could reach for. The DPI family is also matched by name below.
newer_functions=(
  # kernel32
  GetSystemTimePreciseAsFileTime CreateFile2 CopyFile2 SetThreadDescription GetThreadDescription
  GetCurrentThreadStackLimits SetDefaultDllDirectories AddDllDirectory RemoveDllDirectory PrefetchVirtualMemory
  GetOverlappedResultEx CreateFileMappingFromApp MapViewOfFileFromApp VirtualAllocFromApp GetFirmwareType
  SetThreadInformation GetThreadInformation SetProcessInformation GetProcessInformation
  GetProcessMitigationPolicy SetProcessMitigationPolicy GetCurrentPackageId GetCurrentPackageFullName
  GetPackageFamilyName InitializeSynchronizationBarrier EnterSynchronizationBarrier DeleteSynchronizationBarrier
  WaitOnAddress WakeByAddressSingle WakeByAddressAll QueryUnbiasedInterruptTimePrecise GetSystemCpuSetInformation
  # user32
  GetSystemMetricsForDpi EnableNonClientDpiScaling GetSystemDpiForProcess InheritWindowMonitor
  LogicalToPhysicalPointForPerMonitorDPI PhysicalToLogicalPointForPerMonitorDPI EnableMouseInPointer
  IsMouseInPointerEnabled GetPointerType GetPointerInfo GetPointerFrameInfo GetPointerDevices
  RegisterPointerDeviceNotifications SkipPointerFrameMessages GetCurrentInputMessageSource
  SetDisplayAutoRotationPreferences GetDisplayAutoRotationPreferences IsImmersiveProcess
  # shcore (not part of Windows 7 at all)
  SetProcessDpiAwareness GetProcessDpiAwareness GetDpiForMonitor GetScaleFactorForMonitor GetDpiForShellUIComponent
  # ole32 and the Windows Runtime
  CoIncrementMTAUsage CoDecrementMTAUsage RoInitialize RoUninitialize
)
newer_name_pattern='ForDpi$|^GetDpiFor|DpiAwarenessContext|DpiHostingBehavior|DpiChangeBehavior'

# Prints "dll function" for every function the program imports by name (the DLL in lower case).
imports_of() {
  "$objdump" -p "$1" | awk '
    /^The Import Tables/ { in_imports = 1; next }
    /^[^ \t]/ { in_imports = 0 }
    in_imports && /DLL Name:/ { dll = tolower($3); print dll, "-"; next }
    in_imports && dll != "" && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ && NF >= 3 { print dll, $3 }'
}

is_newer() {
  local name=$1 known
  [[ $name =~ $newer_name_pattern ]] && return 0
  for known in "${newer_functions[@]}"; do
    [ "$name" = "$known" ] && return 0
  done
  return 1
}

is_allowed_dll() {
  local dll=$1 allowed
  for allowed in "${allowed_dlls[@]}"; do
    [ "$dll" = "$allowed" ] && return 0
  done
  return 1
}

if ! command -v "$objdump" >/dev/null; then
  echo "win7_imports: $objdump is missing (scripts/setup installs it)"
  exit 1
fi

faults=0
for program in "${programs[@]}"; do
  exe="$build/$program"
  if [ ! -f "$exe" ]; then
    echo "win7_imports: ${exe#"$root"/} is missing (build the win32 preset first)"
    faults=$((faults + 1))
    continue
  fi
  if ! listing=$(imports_of "$exe") || [ -z "$listing" ]; then
    echo "win7_imports: no import table read from ${exe#"$root"/}"
    faults=$((faults + 1))
    continue
  fi
  while read -r dll name; do
    if [ "$name" = - ]; then
      # The player has no network code: only the stand-in room, linked to IRC, uses sockets.
      if [ "$program" = orvjubo.exe ] && [ "$dll" = ws2_32.dll ]; then
        echo "win7_imports: orvjubo.exe imports from ws2_32.dll; the player reaches the room only through windows"
        faults=$((faults + 1))
      elif ! is_allowed_dll "$dll"; then
        echo "win7_imports: $program imports from $dll, which is not among the Windows 7 DLLs it may use"
        faults=$((faults + 1))
      fi
    elif is_newer "$name"; then
      echo "win7_imports: $program imports $dll!$name, which Windows 7 lacks"
      faults=$((faults + 1))
    fi
  done <<<"$listing"
done

if [ "$faults" -ne 0 ]; then
  echo "win7_imports: $faults import(s) would keep the programs from starting on Windows 7"
  exit 1
fi
echo "win7_imports: ${programs[*]} import only what Windows 7 has"
