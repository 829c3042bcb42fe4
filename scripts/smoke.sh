#!/usr/bin/env bash
# Starts the real program headless for a few seconds with scratch configuration and program folders:
# it must reach its main window and still be running, not crash. The argument is the folder of the
# built executable.
set -euo pipefail
program=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen
cd "$("$(dirname "$0")/setup-settings.sh")"
set +e
timeout 6 "$program/velkorin"
rc=$?
set -e
if [ $rc -ne 124 ]; then
  echo "smoke: the program ended with code $rc before the time was up"
  exit 1
fi
echo "smoke: the program ran for 6 seconds without a crash"
