#!/usr/bin/env bash
# Prints the table of automatic dots at 10, 20 and 30 dots on the test
# pictures of each style, and draws each style's contact sheet of what the
# child sees at 20 dots, the picture as it was in each corner:
#   openmoji   the OpenMoji line drawings and the table's own drawn cases
#   color      colour clipart, outlined (OpenMoji) and flat (Twemoji)
#   negritas   bold drawings          (tests/data/propios)
#   escenas    scenes: the main figure among others on a ground line
#   fotos      line art photographed on paper
# Look at each sheet, picture by picture: where a number disagrees with
# your eyes, the number is wrong.
#
#   tools/tracing_table.sh [sheets folder] [--bordes] [style...]
#
# The sheets are FOLDER/<style>.png (build/tracing-sheets by default), the
# tables FOLDER/<style>.txt. --bordes also draws, in blue, the figures'
# edges the measures use, and rings in red the dots too far from them.
# Exit status 1 when a row fails.
set -euo pipefail
cd "$(dirname "$0")/.."
sheets=build/tracing-sheets
edges=()
styles=()
for argument in "$@"; do
    case $argument in
        --bordes) edges=(--bordes) ;;
        openmoji | color | negritas | escenas | fotos) styles+=("$argument") ;;
        *) sheets=$argument ;;
    esac
done
[ ${#styles[@]} -gt 0 ] || styles=(openmoji color negritas escenas fotos)
mkdir -p "$sheets"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target tracing_table >/dev/null
status=0
for style in "${styles[@]}"; do
    folder=tests/data/$style
    [ -d "$folder" ] || folder=tests/data/propios/$style
    QT_QPA_PLATFORM=offscreen build/tools/tracingtable/tracing_table "$folder" \
        "$sheets/$style.png" "${edges[@]}" >"$sheets/$style.txt" || status=1
    echo "$style: $(tail -n 1 "$sheets/$style.txt")"
done
exit $status
