#!/usr/bin/env bash
# Checks the privacy of the children's records with real accounts: two
# children and a teacher, the records' folder laid out by the package's own
# example, each record written by the player's writer (recordprobe, from the
# build tree) as its child, and the package's lunipoclase run as each one.
# Needs root for the accounts; anyone else is told it was skipped.
#   packaging/check-progress-rights.sh lunipo_<version>_<arch>.deb [recordprobe]
set -euo pipefail
deb=$(realpath "$1")
probe=$(realpath "${2:-$(dirname "$0")/../build/tests/packaging/recordprobe}")
if [ "$(id -u)" -ne 0 ]; then
    echo "check-progress-rights: skipped (needs root to make the test accounts)"
    exit 0
fi

id=lunipo$$
group=${id}g teacher=${id}p childA=${id}a childB=${id}b
made=() tmp=$(mktemp -d)
cleanup() {
    for account in "${made[@]}"; do userdel "$account" 2>/dev/null || true; done
    groupdel "$group" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

chmod 755 "$tmp"
dpkg-deb -x "$deb" "$tmp/deb"
install -m 755 "$probe" "$tmp/recordprobe" # the build tree may be closed to them
probe=$tmp/recordprobe
groupadd "$group"
for account in "$childA" "$childB" "$teacher"; do
    useradd -M -d "$tmp/home/$account" -s /usr/sbin/nologin "$account"
    made+=("$account")
    install -d -o "$account" -m 700 "$tmp/home/$account"
done
usermod -a -G "$group" "$teacher"
sh "$tmp/deb/usr/share/doc/lunipo/examples/lunipo-carpetas.sh" "$group" "$tmp"
install -d -m 755 "$tmp/xdg/lunipo"
printf '[Lunipo]\nprogreso=%s/progreso/%%u\ndibujos=%s/dibujos/%%u\n' "$tmp" "$tmp" \
    >"$tmp/xdg/lunipo/lunipo.conf"

problems=0
fail() { echo "check-progress-rights: $*" >&2 && problems=$((problems + 1)); }
as() { # account, command...
    local account=$1
    shift
    env -i PATH=/usr/bin:/bin HOME="$tmp/home/$account" QT_QPA_PLATFORM=offscreen \
        XDG_CONFIG_DIRS="$tmp/xdg" XDG_CONFIG_HOME="$tmp/home/$account/.config" \
        setpriv --reuid="$account" --regid="$(id -g "$account")" --init-groups -- \
        sh -c 'umask 077 && exec "$@"' umask "$@" # the strictest a lab may set
}

started=$(date -u +%FT%TZ)
{ read -r fileA && read -r drawingA; } < <(as "$childA" "$probe" granja "$started" 120 1 2) ||
    fail "$childA cannot write a record or save a drawing"
{ read -r fileB && read -r drawingB; } < <(as "$childB" "$probe" mar "$started" 300 0 0) ||
    fail "$childB cannot write a record or save a drawing"
root=$tmp/progreso drawings=$tmp/dibujos

# Who may do what: "yes" must succeed, "no" must fail.
while read -r expected account command; do
    if as "${!account}" sh -c "$command" >/dev/null 2>&1; then got=yes; else got=no; fi
    [ "$got" = "$expected" ] || fail "$account may do '$command': $got, expected $expected"
done <<EOF
no childA ls "$root"
no childA ls "$root/$childB"
no childA cat "$fileB"
no childA touch "$root/$childB/x"
no childA ls "$root/.clase"
yes childA cat "$fileA"
no childA ls "$drawings"
no childA ls "$drawings/$childB"
no childA cat "$drawingB"
yes childA cat "$drawingA"
yes teacher cat "$drawingA" "$drawingB"
yes teacher ls "$root" "$root/$childA" "$root/$childB"
yes teacher cat "$fileA" "$fileB"
yes teacher mv "$fileB" "$fileB.old" && mv "$fileB.old" "$fileB"
yes teacher touch "$root/.clase/grupos.csv"
EOF

# The class table from the package, as the teacher and as a child.
clase=$tmp/deb/usr/bin/lunipoclase
table=$(as "$teacher" "$clase" --csv - 2>&1) || fail "lunipoclase failed as the teacher: $table"
for row in "$childA,$childA,1,1,2,2,0,0,0,0" "$childB,$childB,0,0,0,0,1,1,5,0"; do
    grep -qxF "$row"$'\r' <<<"$table" || fail "the teacher's table lacks '$row': $table"
done
table=$(as "$childA" "$clase" --csv - 2>&1) || true
! grep -qF "$childB" <<<"$table" || fail "a child's table shows another child: $table"
grep -qF "no se puede leer" <<<"$table" || fail "a child is not told the class is closed: $table"

[ "$problems" -eq 0 ] || { echo "check-progress-rights: FAILED ($problems)"; exit 1; }
echo "check-progress-rights: each child's record and drawings are the child's and the teachers' only"
