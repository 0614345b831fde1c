#!/usr/bin/env bash
# Checks the privacy of the children's records with real accounts: two
# children and a teacher, the records' folder laid out by the package's own
# example, each record written by the player's writer (recordprobe, from the
# build tree) as its child, and the package's lunipoclase run as each one.
# Then a child plants in the shared folders whatever a child with a shell
# could, and the teacher's table, and the class window opened by classprobe
# (from the build tree), must hold: within their budget, no made-up child,
# each child's own drawings only.
# Needs root for the accounts; anyone else is told it was skipped.
#   packaging/check-progress-rights.sh lunipo_<version>_<arch>.deb [recordprobe [classprobe]]
set -euo pipefail
deb=$(realpath "$1")
probe=$(realpath "${2:-$(dirname "$0")/../build/tests/packaging/recordprobe}")
classprobe=$(realpath "${3:-$(dirname "$probe")/classprobe}")
if [ "$(id -u)" -ne 0 ]; then
    echo "check-progress-rights: skipped (needs root to make the test accounts)"
    exit 0
fi

id=lunipo$$
group=${id}g teacher=${id}p childA=${id}a childB=${id}b childC=${id}c
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
install -m 755 "$classprobe" "$tmp/classprobe"
classprobe=$tmp/classprobe
groupadd "$group"
for account in "$childA" "$childB" "$childC" "$teacher"; do
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

# The teachers' list of the children who choose their picture, written as
# the class view writes it: the children's accounts read it, nothing else.
printf 'nombre,grupo\nAna,P4 A\n' >"$tmp/clase.csv"
as "$teacher" "$tmp/deb/usr/bin/lunipoclase" --importar-clase "$tmp/clase.csv" >/dev/null ||
    fail "the teacher cannot write the class list"

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
yes childA cat "$root/.clase/ninos.csv"
no childA touch "$root/.clase/ninos.csv"
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

rm "$root/.clase/ninos.csv" # its Ana, who never played, is no row the checks below expect

# The class table from the package, as the teacher and as a child.
clase=$tmp/deb/usr/bin/lunipoclase
table=$(as "$teacher" "$clase" --csv - 2>&1) || fail "lunipoclase failed as the teacher: $table"
for row in "$childA,$childA,1,1,2,2,0,0,0,0" "$childB,$childB,0,0,0,0,1,1,5,0"; do
    grep -qxF "$row"$'\r' <<<"$table" || fail "the teacher's table lacks '$row': $table"
done
table=$(as "$childA" "$clase" --csv - 2>&1) || true
! grep -qF "$childB" <<<"$table" || fail "a child's table shows another child: $table"
grep -qF "no se puede leer" <<<"$table" || fail "a child is not told the class is closed: $table"

# Child A plants what a child with a shell could: pictures that are no
# pictures, a FIFO among the records, folders in made-up names, a record of
# 60 000 themes, and folders in the name of C, who has not played yet.
cat >"$tmp/plant.sh" <<'EOF'
own=$1 drawingB=$2 root=$3 fileA=$4 drawingA=$5 childA=$6 drawings=$7 childC=$8
umask 022 # all of it for the teachers to read
svg() {
    printf '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="64" height="48"><image xlink:href="%s" width="64" height="48"/></svg>' "$1"
}
svg "$own/self.png" >"$own/self.png"
svg "$drawingB" >"$own/copia.png"
mkfifo "$own/tubo" && svg "$own/tubo" >"$own/tubo.bmp"
mkfifo "$root/$childA/2026-01-tubo.txt"
for fake in Marta '=1+1' '@SUM(1+1)' "$(printf 'rojo\033[31m')"; do
    mkdir "$root/$fake" && cp "$fileA" "$root/$fake/2026-12-aula.txt"
done
i=0
while [ $i -lt 300 ]; do mkdir "$root/vacia$i" && i=$((i + 1)); done
awk 'BEGIN { print "lunipo-registro 1"
    for (i = 0; i < 60000; i++)
        printf "2026-12-01T09:00:00Z\t2026-12-01T09:01:00Z\ttema-%06d\t1\tid\t0\t99999\t0\t\n", i % 59999
    printf "2026-12-01T09:00:00Z\t-\t=HYPERLINK(\"http://x\")\t1\tid\t0\t0\t0\t\n" }' \
    >"$root/$childA/2026-12-otro.txt"
mkdir "$root/$childC" "$drawings/$childC"
cp "$fileA" "$root/$childC/2026-12-aula.txt" && cp "$drawingA" "$drawings/$childC/dibujo.bmp"
chmod 777 "$root/$childC" "$drawings/$childC"
EOF
as "$childA" sh "$tmp/plant.sh" "$drawings/$childA" "$drawingB" "$root" "$fileA" "$drawingA" \
    "$childA" "$drawings" "$childC" || fail "$childA could not plant the hostile folders"
# C, first playing now, finds folders in their name: the drawing stays on
# the computer and no record goes where A would have it read.
as "$childC" "$probe" granja "$started" 60 0 0 >/dev/null && fail "$childC wrote into A's folders"
[ "$(find "$drawings/$childC" "$root/$childC" -type f | wc -l)" -eq 2 ] ||
    fail "$childC wrote into the folders A made: $(ls -A "$drawings/$childC" "$root/$childC")"

since() { echo $((($(date +%s%N) - $1) / 1000000)); }
start=$(date +%s%N)
table=$(as "$teacher" timeout 30 "$clase" --csv - 2>"$tmp/told") ||
    fail "lunipoclase failed with the hostile children: $table $(cat "$tmp/told")"
took=$(since "$start")
[ "$took" -le 3000 ] || fail "lunipoclase --csv took $took ms with the hostile children"
rows=$(tail -n +2 <<<"$table" | cut -d, -f2 | tr -d '\r' | sort | tr '\n' ' ')
[ "$rows" = "$(printf '%s\n' "$childA" "$childB" | sort | tr '\n' ' ')" ] ||
    fail "the table's children are '$rows'"
! grep -q $'\033' <<<"$table$(cat "$tmp/told")" || fail "a control character reached the terminal"
! tr ',' '\n' <<<"$table" | grep -q '^"\?[-=+@]' || fail "a cell of the table is a formula: $table"
window=$(as "$teacher" timeout 30 "$classprobe" 2>/dev/null) || fail "the class window failed: $window"
read -r _ opened peak <<<"$(head -n 1 <<<"$window")"
echo "check-progress-rights: the table took $took ms, the window opened in $opened ms taking $peak kB"
{ [ "${opened:-99999}" -le 1000 ] && [ "${peak:-999999}" -le 204800 ]; } ||
    fail "the class window opened in ${opened:-?} ms, taking ${peak:-?} kB"
[ "$(grep '^child ' <<<"$window" | sort | tr '\n' ' ')" = \
    "$(printf 'child %s\n' "$childA" "$childB" | sort | tr '\n' ' ')" ] ||
    fail "the class window shows other children: $window"
for drawing in "$childA $(basename "$drawingA")" "$childB $(basename "$drawingB")"; do
    grep -qxF "drawing $drawing" <<<"$window" || fail "the window lacks the drawing $drawing: $window"
done
[ "$(grep -c '^drawing ' <<<"$window")" -eq 2 ] || fail "the window shows planted drawings: $window"

[ "$problems" -eq 0 ] || { echo "check-progress-rights: FAILED ($problems)"; exit 1; }
echo "check-progress-rights: each child's record and drawings are the child's and the teachers' only,"
echo "check-progress-rights: and what a child planted did not fool the teacher's view"
