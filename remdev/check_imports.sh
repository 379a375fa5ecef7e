#!/bin/sh
# Remdev.dll is installed beside Velmora.exe alone: it may import from system
# DLLs only (no runtime of the compiler), and it must export the five entry
# points. Fails the build otherwise.
set -eu
dll=${1:?usage: check_imports.sh Remdev.dll}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
dump=$("$objdump" -p "$dll")

status=0
imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
for lib in $imports; do
  case $lib in
    kernel32.dll|user32.dll|setupapi.dll|hid.dll|msvcrt.dll) ;;
    *) echo "check_imports: $dll imports $lib, which is not a system DLL" >&2; status=1 ;;
  esac
done

exports=$(printf '%s\n' "$dump" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p')
for name in InitRemote TerminateRemote OpenDevice ReadData CloseDevice; do
  if ! printf '%s\n' "$exports" | grep -q "[[:space:]]$name\$"; then
    echo "check_imports: $dll does not export $name" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "check_imports: $dll imports system DLLs only and has all exports"
exit $status
