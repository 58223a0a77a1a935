#!/usr/bin/env bash
# Installs what is missing, builds and starts Belegwerk. Without a display the
# program runs inside a virtual X server (xvfb-run), where it works but cannot
# be seen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/belegwerk "$@"
fi
echo "No display found: starting Belegwerk under xvfb-run (invisible)." >&2
exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/belegwerk "$@"
