#!/usr/bin/env bash
# Draws a contact sheet for each theme of the ready library: every activity
# as the child gets it, the drawing without its outline and the dots with
# their labels, and prints any activity that fails a measure of the table
# of automatic dots. Look at every sheet before shipping a change to the
# library, and leave out a picture a teacher would not give a child.
#
#   tools/library_sheets.sh [folder]       (default: build/biblioteca)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/biblioteca}")
mkdir -p "$out"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target tracing_table >/dev/null
QT_QPA_PLATFORM=offscreen build/tools/tracingtable/tracing_table --biblioteca "$out"
