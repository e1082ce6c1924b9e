#!/usr/bin/env bash
# Installs what is missing, builds, and opens Belltide on the example school.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)"
# Until the window exists, show the school the example document holds.
exec "$root/build/apps/cli/belltide-cli" info "$root/examples/maple-grove.psc"
