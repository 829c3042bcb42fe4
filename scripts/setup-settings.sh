#!/usr/bin/env bash
# Writes the settings file VELKORIN.INI into the configuration folder, only when none exists there,
# pointing AppPath at the program folder (help files, tips.cnf, System/).
set -euo pipefail
program=$(cd "$1" && pwd)
# The program ignores a relative XDG_CONFIG_HOME, as the XDG rules say; so does this.
config_home=${XDG_CONFIG_HOME:-}
case "$config_home" in /*) ;; *) config_home=$HOME/.config ;; esac
config="$config_home/velkorin"
mkdir -p "$config" "$program/System"
if ! ls "$config" | grep -qi '^velkorin\.ini$'; then
  printf 'Language=Swedish\r\nAppPath=%s\r\n' "$program" > "$config/VELKORIN.INI"
fi
