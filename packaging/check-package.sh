#!/usr/bin/env bash
# Checks a built Lunipo package as Debian reviews one: lintian (an error
# fails, warnings are shown), the AppStream file, the menu entries, and what
# its file list must and must not hold.
#   packaging/check-package.sh lunipo_<version>_<arch>.deb
set -euo pipefail
deb=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
problems=0
fail() {
    echo "check-package: $*" >&2
    problems=$((problems + 1))
}

lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian found errors"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml ||
    fail "the AppStream file is not valid"
desktop-file-validate "$tree"/usr/share/applications/*.desktop || fail "a menu entry is not valid"

files=$(cd "$tree" && find . -mindepth 1 | sort)
for needed in usr/bin/lunipo usr/bin/lunipoeditor usr/bin/lunipoinstall usr/bin/lunipoclase \
    usr/share/lunipo/actividades/animales/1.txt usr/share/lunipo/idioma/idioma.txt \
    usr/share/lunipo/sonidos/acierto.wav usr/share/lunipo/sonidos/voz/1.ogg \
    usr/share/applications/lunipo.desktop usr/share/applications/lunipoeditor.desktop \
    usr/share/applications/lunipoclase.desktop \
    usr/share/icons/hicolor/256x256/apps/lunipo.png usr/share/icons/hicolor/scalable/apps/lunipo.svg \
    usr/share/man/man1/lunipo.1.gz usr/share/man/man1/lunipoeditor.1.gz \
    usr/share/man/man1/lunipoinstall.1.gz usr/share/man/en/man1/lunipo.1.gz \
    usr/share/man/en/man1/lunipoeditor.1.gz usr/share/man/en/man1/lunipoinstall.1.gz \
    usr/share/man/man1/lunipoclase.1.gz usr/share/man/en/man1/lunipoclase.1.gz \
    usr/share/doc/lunipo/examples/lunipo-carpetas.sh \
    usr/share/metainfo/io.github.lunipo.Lunipo.metainfo.xml \
    usr/share/doc/lunipo/copyright usr/share/doc/lunipo/changelog.gz; do
    grep -qxF "./$needed" <<<"$files" || fail "missing: /$needed"
done
for program in lunipo lunipoeditor lunipoinstall lunipoclase; do
    [ -x "$tree/usr/bin/$program" ] && [ ! -L "$tree/usr/bin/$program" ] &&
        file -b "$tree/usr/bin/$program" | grep -q '^ELF' || fail "/usr/bin/$program is no program"
done
# Nothing for one account, nothing beside /usr, and no program among the data.
outside=$(grep -v -e '^\./usr$' -e '^\./usr/' <<<"$files" || true)
[ -z "$outside" ] || fail "outside /usr: $outside"
programs=$(find "$tree/usr/share" -type f -exec file -N -F '|' {} + |
    grep -F '| ELF' | cut -d'|' -f1 || true)
[ -z "$programs" ] || fail "programs among the data: ${programs//$tree/}"

[ "$problems" -eq 0 ] || exit 1
echo "check-package: $deb is sound"
