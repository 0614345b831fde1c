#!/usr/bin/env bash
# Builds Lunipo's Debian source and binary packages (dpkg-buildpackage -us
# -uc: the .dsc with its tarball, lunipo, lunipo-data and the debug symbols)
# in a fresh copy of the files git tracks, so that no build folder and no
# untracked file gets into the source package. The results go into OUTPUT,
# replacing an earlier build's; the last line printed is the .changes.
# DEB_BUILD_OPTIONS is honoured (nocheck skips the tests, parallel=N).
#   packaging/build-deb.sh OUTPUT
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1")
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -SVersion)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# What git tracks, less what was deleted and not yet committed.
git -C "$root" ls-files -z --deleted >"$work/deleted"
git -C "$root" ls-files -z | grep -zvxF -f <(tr '\0' '\n' <"$work/deleted") |
    tar -C "$root" --null -T - -cf - | (mkdir "$work/lunipo-$version" && tar -C "$work/lunipo-$version" -xf -)

jobs=()
[[ " ${DEB_BUILD_OPTIONS:-} " == *" parallel="* ]] || jobs=(-j"$(nproc)")
if ! (cd "$work/lunipo-$version" && dpkg-buildpackage -us -uc "${jobs[@]}") >"$work/log" 2>&1; then
    tail -n 60 "$work/log" >&2
    echo "build-deb: dpkg-buildpackage failed; the last lines of its output are above" >&2
    exit 1
fi
mkdir -p "$out"
rm -f "$out"/lunipo[_-]*
find "$work" -maxdepth 1 -type f -name 'lunipo[_-]*' -exec mv -t "$out" {} +
ls "$out"/lunipo_"${version}"_*.changes
