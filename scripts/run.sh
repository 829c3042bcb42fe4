#!/usr/bin/env bash
# Installs what is missing, builds Velkorin, prepares its program folder and settings file, and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build/release" -DCMAKE_BUILD_TYPE=Release -DVELKORIN_TESTS=OFF -DVELKORIN_BENCH=OFF
program=$("$top/scripts/setup-settings.sh")
cd "$program"
exec "$top/build/release/program/velkorin"
