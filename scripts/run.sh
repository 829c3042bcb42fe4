#!/usr/bin/env bash
# Installs what is missing, builds Velkorin and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build/release" -DCMAKE_BUILD_TYPE=Release -DVELKORIN_TESTS=OFF -DVELKORIN_BENCH=OFF
program="$top/build/release/program"
"$top/scripts/setup-settings.sh" "$program"
cd "$program"
exec ./velkorin
