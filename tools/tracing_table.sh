#!/usr/bin/env bash
# Prints the table of automatic dots on every test picture (the OpenMoji
# drawings of tests/data/openmoji and the table's own) at 10, 20 and 30
# dots, and draws the contact sheet of what the child sees at 20 dots, the
# picture as it was in each corner. Look at the sheet, picture by picture:
# where a number disagrees with your eyes, the number is wrong.
#
#   tools/tracing_table.sh [sheet.png] [--bordes]
#
# --bordes also draws, in blue, the figures' edges the measures use, and
# rings in red the dots too far from them. Exit status 1 when a row fails.
set -euo pipefail
cd "$(dirname "$0")/.."
sheet=${1:-build/tracing-sheet.png}
shift || true
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target tracing_table >/dev/null
QT_QPA_PLATFORM=offscreen build/tools/tracingtable/tracing_table tests/data/openmoji "$sheet" "$@"
