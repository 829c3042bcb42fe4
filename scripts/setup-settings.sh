#!/usr/bin/env bash
# Prepares the program folder and the settings file, and prints the program folder's path.
#
# The program folder ($XDG_DATA_HOME/velkorin, else ~/.local/share/velkorin) holds the help files,
# the printer calibration file tips.cnf and System/. The shipped files that are missing there are
# copied in; a file that is there is never overwritten (the user's calibration and systems), except
# the help files, which the user never changes and which are refreshed where they are regular files.
#
# The settings file VELKORIN.INI ($XDG_CONFIG_HOME/velkorin, else ~/.config/velkorin) is written only
# when none exists, with AppPath naming the program folder. A settings file whose AppPath names the
# folder build/release/program inside this checkout's build tree gets its AppPath moved to the program
# folder, and the user's files there are copied over first where the program folder lacks them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
shipped="$top/resources/program"

# A relative XDG_CONFIG_HOME or XDG_DATA_HOME is ignored, as the XDG rules say; the program does the same.
config_home=${XDG_CONFIG_HOME:-}
case "$config_home" in /*) ;; *) config_home=$HOME/.config ;; esac
data_home=${XDG_DATA_HOME:-}
case "$data_home" in /*) ;; *) data_home=$HOME/.local/share ;; esac
config="$config_home/velkorin"
program="$data_home/velkorin"

# Copies every file under folder $1 that folder $2 lacks; never replaces one.
fill_missing() {
  local from=$1 to=$2 file
  [ -d "$from" ] || return 0
  (cd "$from" && find . -type f -print0) | while IFS= read -r -d '' file; do
    if [ ! -e "$to/$file" ] && [ ! -L "$to/$file" ]; then
      mkdir -p "$(dirname "$to/$file")"
      cp -p "$from/$file" "$to/$file"
    fi
  done
}

mkdir -p "$config" "$program/System"
ini=$(find "$config" -maxdepth 1 -iname 'velkorin.ini' -print -quit)

# A program folder inside the build tree, named by the settings file: the user's calibration and
# systems there come along once, and AppPath moves (below).
build_tree_program="$top/build/release/program"
names_build_tree_program() { [ -n "$ini" ] && tr -d '\r' < "$ini" | grep -qxF "AppPath=$build_tree_program"; }
if names_build_tree_program; then
  fill_missing "$build_tree_program/System" "$program/System"
  [ -f "$build_tree_program/tips.cnf" ] && [ ! -e "$program/tips.cnf" ] && cp -p "$build_tree_program/tips.cnf" "$program/"
fi

fill_missing "$shipped" "$program"
# A help file is refreshed only where it is a regular file; a link, pipe or anything else stays.
for help in "$shipped"/*.hlp; do
  target="$program/$(basename "$help")"
  if [ -f "$target" ] && [ ! -L "$target" ]; then
    cp "$help" "$target"
  fi
done

# A comma ends an item of the settings file unless the whole item is quoted.
case "$program" in
  *,*) item="\"AppPath=$program\"" ;;
  *) item="AppPath=$program" ;;
esac
if [ -z "$ini" ]; then
  printf 'Language=Swedish\r\n%s\r\n' "$item" > "$config/VELKORIN.INI"
elif names_build_tree_program; then
  moved=$(while IFS= read -r line || [ -n "$line" ]; do
    if [ "${line%$'\r'}" = "AppPath=$build_tree_program" ]; then printf '%s\r\n' "$item"; else printf '%s\n' "$line"; fi
  done < "$ini"; echo .)
  printf '%s' "${moved%.}" > "$ini"
fi
echo "$program"
