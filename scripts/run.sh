#!/usr/bin/env bash
# Builds the programs and starts the main one with the given arguments.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$root/build/bin/joyvane-cli" "${@:---help}"
