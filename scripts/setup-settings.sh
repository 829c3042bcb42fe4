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
  # A comma ends an item of the settings file unless the whole item is quoted.
  case "$program" in
    *,*) item="\"AppPath=$program\"" ;;
    *) item="AppPath=$program" ;;
  esac
  printf 'Language=Swedish\r\n%s\r\n' "$item" > "$config/VELKORIN.INI"
fi
