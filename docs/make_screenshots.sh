#!/usr/bin/env bash
# Remakes the README's pictures through the scripted driver: builds first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
make -C "$top" all >/dev/null
cd "$top/docs"
"$top/build/vrex-script" screenshots.vrs >/dev/null
echo "wrote docs/main-window.png and docs/cross-section-panel.png"
