#!/usr/bin/env bash
# Installs what is missing, builds, and opens Belltide on the example school.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)"
example="$root/examples/maple-grove.psc"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display to open the window on; here is the example school instead." >&2
  exec "$root/build/bin/belltide-cli" info "$example"
fi
exec "$root/build/bin/belltide" "$example"
