#!/usr/bin/env bash
# Screenshots of the player's and the editor's windows in every language, to
# look at once: does every text fit and read well? Needs xvfb, xdotool and
# imagemagick; writes <folder>/<code>-<window>.png and one contact sheet,
# <folder>/idiomas.png.
#   tools/language_screenshots.sh [build folder] [out folder]
set -euo pipefail
app=$(realpath "${1:-build}")/app
out=$(realpath -m "${2:-build/idiomas}")
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# Waits until a window named `name` shows, then a little for its first paint.
wait_window() {
    until xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do sleep 0.1; done
    sleep 1
}

shoot() { # language
    export LANG="$1" XDG_DATA_HOME="$home/$1" XDG_CONFIG_HOME="$home/$1"
    local code=${1%%_*}
    "$app/lunipoeditor" >/dev/null 2>&1 &
    local editor=$!
    wait_window "^Lunipo: "
    xdotool mousemove 20 263 click 1 && sleep 0.5 # the dot palette
    import -window root "$out/$code-editor.png"
    xdotool mousemove 20 557 click 1 && sleep 1 # the library
    import -window root "$out/$code-library.png"
    kill $editor
    "$app/lunipo" >/dev/null 2>&1 &
    local player=$!
    wait_window "^Lunipo$"
    xdotool mousemove 512 384 click 1 && sleep 1.5 # into the main window
    xdotool mousemove 360 745 && sleep 1.5         # a tool's tooltip
    import -window root "$out/$code-player.png"
    kill $player
}

run() {
    for language in es_ES ca_ES eu_ES gl_ES en_GB pt_PT; do
        shoot "$language.UTF-8"
    done
    montage "$out"/{es,ca,eu,gl,en,pt}-{editor,library,player}.png -tile 3x6 \
        -geometry 512x384+4+4 "$out/idiomas.png"
}

if [ -z "${DISPLAY:-}" ]; then
    # -noreset: the server must outlive the moments when no program is open.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
run
echo "$out/idiomas.png"
