#!/bin/sh
# Installs the build into a scratch prefix the way a user does
# (`cmake --install BUILD --prefix PREFIX`) and checks what lands there: the
# program and its seeded rates, the bin link, the desktop entry with its icons,
# metainfo and manual page, the translations, and that installing again keeps
# the user's rates.
#
#   check-install-layout.sh CMAKE BUILD PREFIX
set -eu

cmake=$1 build=$2 prefix=$3
id=com.fernwicksoftware.Tallyvane
progdir=$prefix/lib/tallyvane
share=$prefix/share

fail() { echo "install layout: $*" >&2; exit 1; }
check() { test "$@" || fail "expected: test $*"; }

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

check -x "$progdir/tallyvane"
check -f "$progdir/Exchange.db" -a ! -L "$progdir/Exchange.db"
check -s "$progdir/Exchange.db"
# The sample rates, not the build folder's file with the developer's own.
cmp -s "$progdir/Exchange.db" "$build/packaging/seed/Exchange.db" || fail "Exchange.db is not the seed"
check -L "$prefix/bin/tallyvane"
check "$(readlink -f "$prefix/bin/tallyvane")" = "$(readlink -f "$progdir/tallyvane")"
case $(readlink "$prefix/bin/tallyvane") in /*) fail "bin/tallyvane links by an absolute path" ;; esac

desktop=$share/applications/$id.desktop
check -f "$desktop"
grep -qx 'Exec=tallyvane' "$desktop" || fail "desktop entry does not start tallyvane"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not name the icon $id"
if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
    case $out in *warning:*|*error:*) fail "desktop-file-validate: $out" ;; esac
fi

for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/$id.png
    check -s "$png"
    # Bytes 16..23 of a PNG are its width and height, big-endian.
    dims=$(od -An -tu4 --endian=big -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //;s/ $//')
    check "$dims" = "$size $size"
done
check -s "$share/icons/hicolor/scalable/apps/$id.svg"

metainfo=$share/metainfo/$id.metainfo.xml
check -s "$metainfo"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "metainfo does not launch $id.desktop"
version=$(sed -n 's/^project(Tallyvane VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli rejects $metainfo"
fi

check -s "$share/man/man1/tallyvane.1.gz"
gzip -dc "$share/man/man1/tallyvane.1.gz" | grep -q "Tallyvane $version" || fail "manual page is not of $version"
check -s "$share/doc/tallyvane/LICENSE"

# Where the program looks for them: ../../share/tallyvane/translations from its folder.
for lang in de fr es pl; do
    check -s "$progdir/../../share/tallyvane/translations/tallyvane_$lang.qm"
done

# The Debian package's arrangement stays out of a plain install.
check ! -e "$share/tallyvane/Exchange.db"
check ! -e "$share/doc/tallyvane/copyright"

# Installing again keeps the user's rates, and a link put there stays a link.
printf 'rates of my own' >"$progdir/Exchange.db"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
check "$(cat "$progdir/Exchange.db")" = 'rates of my own'
rm "$progdir/Exchange.db"
ln -s "$prefix/elsewhere/Exchange.db" "$progdir/Exchange.db"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
check -L "$progdir/Exchange.db"
check ! -e "$prefix/elsewhere"

# Staged with DESTDIR, everything lands under it and nowhere else.
stage=$prefix-stage
rm -rf "$stage"
DESTDIR=$stage "$cmake" --install "$build" --prefix /opt/tallyvane >/dev/null
check -s "$stage/opt/tallyvane/lib/tallyvane/Exchange.db"
check -x "$stage/opt/tallyvane/lib/tallyvane/tallyvane"
check "$(find "$stage" -name Exchange.db | wc -l)" -eq 1
rm -rf "$stage" "$prefix"
echo "install layout ok"
