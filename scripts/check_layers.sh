#!/usr/bin/env bash
# The layering rule of the tree (docs/decisions/0007): every folder with code is
# one room; rooms sit in layers and an #include may point only to a room on a
# lower layer (or into its own room). Rooms on one line share a layer and may
# not include each other. Test programs (tests/, bench/, fuzz/ folders) sit
# above everything. Also: no CMake source list names a file outside its own
# folder, and <windows.h> appears only under a win32/ folder.
# Usage: scripts/check_layers.sh [SOURCE_ROOT]. Prints every breach; exit 1 if any.
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2

# Bottom layer first. The README's room table follows this order.
LAYERS=(
  "base"
  "gfx"
  "gfx/codecs gfx/font"
  "gfx/testing"
  "platform"
  "platform/sim platform/win32"
  "shared"
  "kinhook remdev"
  "store"
  "session"
  "text"
  "resources"
  "forms"
  "tool"
  "triggers"
  "profile"
  "tools/screen tools/command tools/slideshow tools/toolbar"
  "catalogue"
  "app"
  "apps/velmora_sim apps/velmora_win"
  "test_support"
  "e2e/inspect"
  "e2e/vprobe e2e/vplatform e2e/standin"
)

declare -A level=()
rooms=()
for i in "${!LAYERS[@]}"; do
  for room in ${LAYERS[$i]}; do
    level[$room]=$i
    rooms+=("$room")
  done
done

# Sets ROOM to the room a path belongs to: the longest room that is a prefix of it.
declare -A room_cache=()
room_of() {
  local dir=${1%/*} r
  if [[ -n ${room_cache[$dir]+x} ]]; then ROOM=${room_cache[$dir]}; return; fi
  ROOM=""
  for r in "${rooms[@]}"; do
    if [[ $1 == "$r"/* && ${#r} -gt ${#ROOM} ]]; then ROOM=$r; fi
  done
  room_cache[$dir]=$ROOM
}

breaches=0
breach() { echo "check_layers: $*" >&2; breaches=$((breaches + 1)); }

files=$(git ls-files '*.cpp' '*.h' '*.inl' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' -o -name '*.inl' | sed 's|^\./||')
for f in $files; do
  case /$f in */tests/* | */bench/* | */fuzz/*) continue ;; esac
  room_of "$f"
  [ -n "$ROOM" ] || breach "$f lies in no room (add its folder to LAYERS)"
done
# One pass over every include of every file: "FILE:INCLUDED-PATH".
while IFS= read -r line; do
  f=${line%%:*}
  inc=${line#*:}
  case /$f in */tests/* | */bench/* | */fuzz/*) continue ;; esac
  room_of "$f"
  from=$ROOM
  [ -n "$from" ] || continue
  room_of "$inc"
  to=$ROOM
  [ -n "$to" ] || continue  # a header outside the rooms (none today)
  [ "$to" = "$from" ] && continue
  if [ "${level[$to]}" -ge "${level[$from]}" ]; then
    breach "$f (room $from) includes $inc of room $to, which is not below it"
  fi
done < <(grep -H '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' $files | sed 's/:[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/:\1/')
for f in $(grep -liE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](windows|winuser|wingdi|winbase)\.h[>"]' $files); do
  [[ /$f == */win32/* ]] || breach "$f includes <windows.h> outside a win32/ folder"
done

# One folder, one target: a source list names files of its own folder only.
for cm in $(git ls-files 'CMakeLists.txt' '*/CMakeLists.txt' 2>/dev/null); do
  hit=$(grep -nE '(\.\./|\$\{(PROJECT|CMAKE)_SOURCE_DIR\}/)[^ )]*\.(cpp|h|c|inl|rc)\b' "$cm" | grep -vE '^[0-9]+:[[:space:]]*#' | head -1)
  [ -z "$hit" ] || breach "$cm names a source outside its folder: $hit"
done

if [ "$breaches" -gt 0 ]; then
  echo "check_layers: $breaches breach(es) of the layering rule" >&2
  exit 1
fi
echo "check_layers: every include points downward; every source list stays in its folder"
