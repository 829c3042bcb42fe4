#!/usr/bin/env bash
# Starts the real program headless for a few seconds in a scratch configuration folder: it must reach
# its main window and still be running, not crash.
set -euo pipefail
program=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=offscreen
"$(dirname "$0")/setup-settings.sh" "$program"
cd "$program"
set +e
timeout 6 ./velkorin
rc=$?
set -e
if [ $rc -ne 124 ]; then
  echo "smoke: the program ended with code $rc before the time was up"
  exit 1
fi
echo "smoke: the program ran for 6 seconds without a crash"
