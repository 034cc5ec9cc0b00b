#!/usr/bin/env bash
# Builds the Debian package in a build folder and checks it without installing
# it: its name and control fields, lintian (errors, warnings and hardening notes
# fail), the hardening of the program it carries, its metainfo, desktop entry
# and manual page, and its contents against packaging/package-contents.txt.
#
#   packaging/check-package.sh [BUILD]     (default: build)
#
# Leaves the package in BUILD.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
id=com.fernwicksoftware.Tallyvane

fail() { echo "package check: $*" >&2; exit 1; }

version=$(sed -n 's/^project(Tallyvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
deb=$build/tallyvane_${version}_${arch}.deb

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rm -f "$build"/tallyvane_*.deb
(cd "$build" && cpack -G DEB) >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack failed"; }
[ -s "$deb" ] || fail "cpack made no $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tallyvane ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is $(field Architecture)"
depends=$(field Depends)
# The libraries come from dpkg-shlibdeps, adduser from the maintainer scripts.
for dep in adduser libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libsqlcipher0; do
    [[ ", $depends," == *", $dep "* || ", $depends," == *", $dep,"* ]] || fail "Depends lacks $dep: $depends"
done

echo "-- lintian"
# Every tag is shown; the README explains the ones that remain.
rc=0
out=$(lintian --fail-on error,warning --display-info --pedantic "$deb" 2>&1) || rc=$?
printf '%s\n' "$out" | grep -v '^running with root privileges' || true
[ "$rc" -eq 0 ] || fail "lintian reports errors or warnings (above)"
[[ $out != *hardening-* ]] || fail "lintian finds the program's hardening incomplete (above)"

dpkg-deb -x "$deb" "$tmp/root"

echo "-- hardening"
# What Debian's hardening flags leave in the packaged program.
elf=$(readelf --file-header --program-headers --dynamic --dyn-syms -W "$tmp/root/usr/lib/tallyvane/tallyvane")
while IFS='|' read -r what pattern; do
    grep -Eq -- "$pattern" <<<"$elf" || fail "the program has no $what"
done <<'EOF'
stack protector (__stack_chk_fail)| __stack_chk_fail@
fortified libc functions (__*_chk)| __[a-z0-9_]+_chk@
position-independent code (PIE)|Flags:.* PIE
read-only relocations (RELRO)| GNU_RELRO 
binding at start (BIND_NOW)|Flags:.* NOW
EOF

echo "-- appstreamcli, desktop-file-validate, man"
out=$(appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/$id.metainfo.xml" 2>&1) \
    || fail "metainfo invalid: $out"
out=$(desktop-file-validate "$tmp/root/usr/share/applications/$id.desktop" 2>&1) \
    || fail "desktop entry invalid: $out"
[[ $out != *warning:* && $out != *error:* ]] || fail "desktop entry: $out"
gzip -dc "$tmp/root/usr/share/man/man1/tallyvane.1.gz" >"$tmp/tallyvane.1"
out=$(groff -ww -z -man "$tmp/tallyvane.1" 2>&1)
[ -z "$out" ] || fail "manual page: $out"
out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$tmp/tallyvane.1" 2>&1 >/dev/null)
[ -z "$out" ] || fail "manual page: $out"

echo "-- contents"
# Mode, owner and path of every entry, with a link's target; sizes and times vary.
dpkg-deb -c "$deb" | awk '{ $3 = ""; $4 = ""; $5 = ""; print }' | tr -s ' ' | LC_ALL=C sort -k3 >"$tmp/contents"
if ! diff -u packaging/package-contents.txt "$tmp/contents"; then
    fail "contents differ from packaging/package-contents.txt (- expected, + found)"
fi

echo "package ok: $deb"
