#!/usr/bin/env bash
# Plays an activity as a child sliding a finger would: the mouse goes down on
# the first dot and stays down through every dot in turn, in small steps, then
# lifts; writes a screenshot of the player once it is still. Run under Xvfb at
# 1920 x 1080, with xdotool and imagemagick (the steps are a hand's pace: moves
# sent all at once reach the player as one straight jump):
#   xvfb-run -a -s "-screen 0 1920x1080x24" tools/slide_through.sh \
#       build/app/actividades/casa-1/1.txt slide.png [build folder]
set -euo pipefail
activity=$(realpath "$1")
shot=$(realpath -m "$2")
app=$(realpath "${3:-build}")/app
home=$(mktemp -d)
trap 'kill $player 2>/dev/null; rm -rf "$home"' EXIT
export XDG_DATA_HOME="$home" XDG_CONFIG_HOME="$home"

"$app/lunipo" --actividad "$activity" >/dev/null 2>&1 &
player=$!
xdotool search --sync --onlyvisible --name '^Lunipo$' >/dev/null

# The canvas lies 32 x 8 pixels into the full-screen window, and the file's
# twips are scaled from an 800 x 600 screen to this one's.
read -r width height < <(xdotool getdisplaygeometry)
moves=$(tr -d '\r' <"$activity" | awk -F, -v sx="$width" -v sy="$height" '
    NR > 5 && $1 != "" {
        x = 32 + $2 * sx / 800 / 15; y = 8 + $3 * sy / 600 / 15
        if (n++ == 0) { printf "mousemove %d %d mousedown 1 ", x, y }
        else for (i = 1; i <= 10; i++)
            printf "mousemove %d %d sleep 0.02 ", px + (x - px) * i / 10, py + (y - py) * i / 10
        px = x; py = y
    }')
# shellcheck disable=SC2086
xdotool $moves mouseup 1 mousemove 5 5

# The player has taken every move once two screenshots a moment apart agree.
next=${shot%.png}.next.png
import -window root "$shot"
until import -window root "$next" && cmp -s <(convert "$shot" rgb:-) <(convert "$next" rgb:-); do
    mv "$next" "$shot"
done
rm -f "$next"
