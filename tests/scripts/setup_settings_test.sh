#!/usr/bin/env bash
# scripts/setup-settings.sh on scratch folders: it fills the program folder with the shipped files that
# are missing, never overwrites the user's calibration or systems, refreshes the help files that are
# regular files, writes the settings file only when there is none, and moves an AppPath that names the
# folder build/release/program in the build tree. Usage: setup_settings_test.sh <source folder>
set -euo pipefail
source_dir=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A checkout of its own, so its build-tree folder lies in the scratch folder too.
top="$scratch/checkout"
mkdir -p "$top/scripts" "$top/resources"
cp "$source_dir/scripts/setup-settings.sh" "$top/scripts/"
ln -s "$source_dir/resources/program" "$top/resources/program"
shipped="$source_dir/resources/program"
system_file=$(cd "$shipped/System" && ls | head -n 1)
[ -n "$system_file" ] || fail "no shipped system"

# A relative XDG_DATA_HOME and no XDG_CONFIG_HOME: the folders under HOME.
export HOME="$scratch/home"
unset XDG_CONFIG_HOME
export XDG_DATA_HOME=relative/data
program=$("$top/scripts/setup-settings.sh")
[ "$program" = "$HOME/.local/share/velkorin" ] || fail "program folder $program"
[ ! -e relative ] || fail "a relative XDG_DATA_HOME was used"
ini="$HOME/.config/velkorin/VELKORIN.INI"
[ "$(cat "$ini")" = $'Language=Swedish\r\nAppPath='"$program"$'\r' ] || fail "settings file: $(cat -A "$ini")"
for f in tips.cnf tipsswe.hlp tipsfin.hlp "System/$system_file"; do
  cmp -s "$shipped/$f" "$program/$f" || fail "$f not filled in"
done

# The user's files stay; what is missing comes back; the help files are refreshed.
printf 'mine' > "$program/tips.cnf"
printf 'mine' > "$program/System/$system_file"
printf 'Language=Finnish\r\nAppPath=/elsewhere\r\n' > "$ini"
printf 'old help' > "$program/tipsswe.hlp"
rm "$program/tipsfin.hlp"
ln -s "$scratch/nowhere" "$program/System/other.RM"
second=$("$top/scripts/setup-settings.sh")
[ "$second" = "$program" ] || fail "second run: $second"
[ "$(cat "$program/tips.cnf")" = mine ] || fail "tips.cnf overwritten"
[ "$(cat "$program/System/$system_file")" = mine ] || fail "a user's system overwritten"
[ -L "$program/System/other.RM" ] || fail "a link was replaced"
[ "$(cat "$ini")" = $'Language=Finnish\r\nAppPath=/elsewhere\r' ] || fail "settings file rewritten"
cmp -s "$shipped/tipsswe.hlp" "$program/tipsswe.hlp" || fail "help file not refreshed"
cmp -s "$shipped/tipsfin.hlp" "$program/tipsfin.hlp" || fail "missing help file not restored"

# A settings file naming the folder in the build tree: the user's files there come along
# (not over those already in the program folder) and AppPath moves.
export XDG_DATA_HOME="$scratch/data"
old="$top/build/release/program"
mkdir -p "$old/System" "$XDG_DATA_HOME/velkorin/System"
printf 'old calibration' > "$old/tips.cnf"
printf 'own' > "$old/System/own.RM"
printf 'older' > "$old/System/$system_file"
printf 'kept' > "$XDG_DATA_HOME/velkorin/System/$system_file"
printf 'Language=Finnish\r\nAppPath=%s\r\n' "$old" > "$ini"
# A help file that is a pipe is left alone (a copy onto it would wait for a reader for ever).
mkfifo "$XDG_DATA_HOME/velkorin/tipsswe.hlp"
program=$(timeout 60 "$top/scripts/setup-settings.sh") || fail "the run blocked or failed"
[ -p "$program/tipsswe.hlp" ] || fail "a help file that is a pipe was replaced"
[ "$program" = "$XDG_DATA_HOME/velkorin" ] || fail "program folder $program"
[ "$(cat "$ini")" = $'Language=Finnish\r\nAppPath='"$program"$'\r' ] || fail "AppPath not moved: $(cat -A "$ini")"
[ "$(cat "$program/tips.cnf")" = 'old calibration' ] || fail "calibration not brought along"
[ "$(cat "$program/System/own.RM")" = own ] || fail "own system not brought along"
[ "$(cat "$program/System/$system_file")" = kept ] || fail "a system in the program folder overwritten"
echo "setup-settings: all checks passed"
