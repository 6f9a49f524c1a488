#!/usr/bin/env bash
# Builds the program and writes PNG pictures of its main window and screens under the offscreen
# platform: scripts/capturas.sh [CARPETA] (default docs/capturas).
set -euo pipefail
cd "$(dirname "$0")/.."
carpeta="${1:-docs/capturas}"
cmake --preset default >/dev/null
cmake --build --preset default --target tanteo_capturas
QT_QPA_PLATFORM=offscreen ./build/default/tests/ui/tanteo_capturas "$carpeta"
