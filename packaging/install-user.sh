#!/usr/bin/env bash
# Installs Lunipo for the current user, without root, from a build folder:
# the programs and their data in ~/.local/share/lunipo, launchers in
# ~/.local/bin, menu entries and icons in ~/.local/share. Installing again
# updates the programs and the sample themes and keeps what the user made.
#   packaging/install-user.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
build=${1:-build}
prefix="$HOME/.local"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! cmake --install "$build" --prefix "$prefix" >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
# Only what the user should know: files of theirs kept, old samples removed.
grep -e '^-- Kept' -e '^-- Removing' "$log" || true

echo "Lunipo is installed in $prefix/share/lunipo."
echo "Menu entries: Lunipo and Editor de Lunipo (Education)."
case ":$PATH:" in
*":$prefix/bin:"*) ;;
*) echo "To start it from a terminal as 'lunipo', add $prefix/bin to your PATH." ;;
esac
if [ -n "${XDG_DATA_HOME:-}" ] && [ "$XDG_DATA_HOME" != "$prefix/share" ]; then
    echo "Note: XDG_DATA_HOME is $XDG_DATA_HOME; menus may not look in $prefix/share." >&2
fi
