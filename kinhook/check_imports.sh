#!/bin/sh
# Kinhook.dll is loaded into every process that receives input: it may import
# from system DLLs only, and it must export the six entry points the main
# program and its own SetWindowsHookEx calls use. Fails the build otherwise.
set -eu
dll=${1:?usage: check_imports.sh Kinhook.dll}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
dump=$("$objdump" -p "$dll")

status=0
imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
for lib in $imports; do
  case $lib in
    kernel32.dll|user32.dll|gdi32.dll|winmm.dll) ;;
    *) echo "check_imports: $dll imports $lib, which is not a system DLL" >&2; status=1 ;;
  esac
done

exports=$(printf '%s\n' "$dump" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p')
for name in DLL_InstallHooks DLL_RemoveHooks DLL_StartHiResTimer DLL_StopHiResTimer KeyboardProc MouseProc; do
  if ! printf '%s\n' "$exports" | grep -q "[[:space:]]$name\$"; then
    echo "check_imports: $dll does not export $name" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "check_imports: $dll imports system DLLs only and has all exports"
exit $status
