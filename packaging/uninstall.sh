#!/usr/bin/env bash
# Removes a Lunipo install: exactly the files the last install listed in its
# application folder, and only those still as installed. Saved drawings, the
# user's own themes and activities, and any shipped file they changed stay.
#   packaging/uninstall.sh [PREFIX [APPLICATION_FOLDER]]
#   (defaults: ~/.local and share/lunipo, the user install)
set -euo pipefail
prefix=${1:-$HOME/.local}
appdir=${2:-share/lunipo}
list="$prefix/$appdir/.lunipo-instalado"
if [ ! -f "$list" ]; then
    echo "No Lunipo install in $prefix/$appdir." >&2
    exit 1
fi

kept=()
folders=()
files=$(mktemp)
trap 'rm -f "$files"' EXIT
while IFS= read -r line; do
    sum=${line%%  *}
    path="$prefix/${line#*  }"
    case $sum in
    folder) folders+=("$path") ;;
    symlink) if [ -L "$path" ]; then rm -f "$path"; fi ;;
    *)
        [ -f "$path" ] && [ ! -L "$path" ] || continue
        printf '%s\n' "$line" >>"$files"
        ;;
    esac
done <"$list"
# One sha256sum checks them all (the list is in its format, paths from the
# prefix) and one rm removes them: a process for each of the library's
# files took most of a minute.
unchanged=()
while IFS= read -r result; do
    path="$prefix/${result%: *}"
    if [ "${result##*: }" = OK ]; then
        unchanged+=("$path")
    else
        kept+=("$path")
    fi
done < <(cd "$prefix" && sha256sum --check "$files" 2>/dev/null || true)
rm -f -- "${unchanged[@]}" "$list"

# Deepest first; a folder still holding a user's file stays.
while IFS= read -r folder; do
    if [ -d "$folder" ]; then rmdir --ignore-fail-on-non-empty "$folder"; fi
done < <(printf '%s\n' "${folders[@]}" | LC_ALL=C sort -r)

echo "Lunipo is uninstalled from $prefix."
for path in "${kept[@]}"; do
    echo "Kept, changed since it was installed: $path"
done
if [ -d "$prefix/$appdir" ]; then
    echo "Your files stay in $prefix/$appdir."
fi
