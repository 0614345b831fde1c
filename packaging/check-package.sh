#!/usr/bin/env bash
# Checks a build of Lunipo's Debian packages as Debian reviews one: lintian
# --pedantic on the source and both binary packages (an error or a warning
# fails; informational tags are shown), the AppStream file, the menu
# entries, what each package's file list must and must not hold, their size
# together, and that a second build in another folder, later, gives the same
# bytes (diffoscope shows how they differ where it is installed).
#   packaging/check-package.sh lunipo_<version>_<arch>.changes
set -euo pipefail
changes=$(realpath "$1")
here=$(dirname "$changes")
version=$(sed -n 's/^Version: //p' "$changes")
arch=$(dpkg --print-architecture)
program=$here/lunipo_${version}_$arch.deb
data=$here/lunipo-data_${version}_all.deb
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
problems=0
fail() {
    echo "check-package: $*" >&2
    problems=$((problems + 1))
}

lintian --pedantic --display-info --fail-on error,warning --tag-display-limit 4 "$changes" ||
    fail "lintian found errors or warnings"

dpkg-deb -x "$program" "$tree/lunipo"
dpkg-deb -x "$data" "$tree/data"
appstreamcli validate --no-net "$tree"/lunipo/usr/share/metainfo/*.metainfo.xml ||
    fail "the AppStream file is not valid"
desktop-file-validate "$tree"/lunipo/usr/share/applications/*.desktop ||
    fail "a menu entry is not valid"

needs() { # package folder, paths...
    local files
    files=$(cd "$tree/$1" && find . -mindepth 1 | sort)
    for needed in "${@:2}"; do
        grep -qxF "./$needed" <<<"$files" || fail "missing in $1: /$needed"
    done
}
needs lunipo usr/bin/lunipo usr/bin/lunipoeditor usr/bin/lunipoinstall usr/bin/lunipoclase \
    usr/share/applications/lunipo.desktop usr/share/applications/lunipoeditor.desktop \
    usr/share/applications/lunipoclase.desktop \
    usr/share/icons/hicolor/256x256/apps/lunipo.png usr/share/icons/hicolor/scalable/apps/lunipo.svg \
    usr/share/metainfo/io.github.lunipo.Lunipo.metainfo.xml \
    usr/share/doc/lunipo/examples/lunipo-carpetas.sh usr/share/doc/lunipo/examples/lunipo.conf \
    usr/share/doc/lunipo/copyright usr/share/doc/lunipo/changelog.gz
for page in lunipo lunipoeditor lunipoinstall lunipoclase; do
    needs lunipo "usr/share/man/man1/$page.1.gz" "usr/share/man/en/man1/$page.1.gz"
    if [ ! -x "$tree/lunipo/usr/bin/$page" ] || [ -L "$tree/lunipo/usr/bin/$page" ] ||
        ! file -b "$tree/lunipo/usr/bin/$page" | grep -q '^ELF'; then
        fail "/usr/bin/$page is no program"
    fi
done
needs data usr/share/lunipo/actividades/animales/1.txt usr/share/lunipo/idioma/idioma.txt \
    usr/share/lunipo/sonidos/acierto.wav usr/share/lunipo/sonidos/voz/1.ogg \
    usr/share/doc/lunipo-data/copyright usr/share/doc/lunipo-data/changelog.gz
[ ! -e "$tree/lunipo/usr/share/lunipo" ] || fail "the data is in lunipo, not in lunipo-data"

# Nothing for one account, nothing beside /usr, and no program among the data.
outside=$(cd "$tree" && find lunipo data -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "outside /usr: $outside"
programs=$(find "$tree/lunipo/usr/share" "$tree/data" -type f -exec file -N -F '|' {} + |
    grep -F '| ELF' | cut -d'|' -f1 || true)
[ -z "$programs" ] || fail "programs among the data: ${programs//$tree/}"

dpkg-deb -f "$program" Depends | grep -qF "lunipo-data (= $version)" ||
    fail "lunipo does not depend on its own lunipo-data"
# Installed-Size is in KiB; 20 MB is 19531 of them.
size=$(($(dpkg-deb -f "$program" Installed-Size) + $(dpkg-deb -f "$data" Installed-Size)))
[ "$size" -le 19531 ] || fail "both packages install $size KiB, more than 20 MB"

# The source package is the tracked tree, with its debian/ and no build.
dsc=$here/lunipo_$version.dsc
grep -qx 'Format: 3.0 (native)' "$dsc" || fail "$dsc is not a native source package"
sources=$(tar -tf "$here/lunipo_$version.tar.xz")
grep -qx "lunipo-$version/debian/rules" <<<"$sources" || fail "the source package has no debian/rules"
! grep -q -e '/CMakeCache.txt$' -e '/\.git/' <<<"$sources" || fail "the source package holds a build or .git"

# The same sources, built again elsewhere: the same bytes.
again=$tree/again
"$(dirname "$0")"/build-deb.sh "$again" >/dev/null
for deb in "$here"/lunipo*_"$version"_*.deb; do
    twin=$again/$(basename "$deb")
    if cmp -s "$deb" "$twin"; then continue; fi
    fail "$(basename "$deb") differs when built again"
    if command -v diffoscope >/dev/null; then diffoscope "$deb" "$twin" >&2 || true; fi
done

[ "$problems" -eq 0 ] || exit 1
echo "check-package: $changes is sound, $size KiB installed, built twice the same"
