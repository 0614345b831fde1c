#!/usr/bin/env bash
# Times programs' first windows against a bare Qt window, side by side in
# one run on a virtual display: each is started in turn, ROUNDS times (15
# unless set), until its window is shown (xdotool, asked every 10 ms), then
# closed. Prints the median of each and its ratio to the bare window's.
#
#   tools/startup_time.sh build/app/lunipoeditor [other program...]
set -euo pipefail
programs=()
for program in "$@"; do programs+=("$(realpath "$program")"); done
rounds=${ROUNDS:-15}
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

cat >"$work/bare.cpp" <<'CPP'
#include <QApplication>
#include <QWidget>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("bare");
    window.resize(800, 600);
    window.show();
    return app.exec();
}
CPP
g++ -O2 -fPIC "$work/bare.cpp" -o "$work/bare" $(pkg-config --cflags --libs Qt6Widgets)

# Xvfb picks a display no other server uses, and writes its number once it
# answers on it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=:$(cat "$work/display")

seconds() { # program: seconds until its first window is visible
    local start pid tries
    # On a busy machine the server now and then turns a program away (the
    # queue of connections is full with xdotool's questions): that start
    # is tried again.
    for tries in 1 2 3 4 5; do
        # A fresh account each time: no work of last time offered back.
        rm -rf "$work/data" "$work/config"
        start=$(date +%s.%N)
        XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" "$1" >/dev/null 2>&1 &
        pid=$!
        # xdotool's own --sync looks only twice a second
        until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || continue 2
            sleep 0.01
        done
        echo "$(date +%s.%N) - $start" | bc
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        return
    done
    echo "$1 ended without a window $tries times" >&2
    exit 1
}

declare -A times
for _ in $(seq "$rounds"); do
    for program in "$work/bare" "${programs[@]}"; do
        times[$program]+="$(seconds "$program") "
    done
done
median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }
# shellcheck disable=SC2086 # the times are words
b=$(median ${times[$work/bare]})
printf 'bare Qt window %.0f ms\n' "$(echo "$b * 1000" | bc)"
for program in "${programs[@]}"; do
    # shellcheck disable=SC2086
    m=$(median ${times[$program]})
    printf '%s %.0f ms, %.2f times the bare window\n' "${program#"$PWD"/}" \
        "$(echo "$m * 1000" | bc)" "$(echo "$m / $b" | bc -l)"
done
