#!/usr/bin/env bash
# The system-wide story on this machine: installs the package, checks where
# the rates live, has a user outside the group tallyvane fail to change a rate
# and the same user, once added to the group, change one through
# /usr/lib/tallyvane/Exchange.db; reinstalls, upgrades and removes (the rate is kept),
# starts over from the sample rates while that user, now a group member, swaps
# whatever appears in /var/lib/tallyvane for a link to a root-only file (which
# must stay as it was), prints a receipt through a CUPS queue
# (cups-receipt-test.sh, with the build's tests/deal_writer beside RATE_WRITER),
# has the program fetch head office's rates from nginx
# (packaging/feed-system-test.sh), purges (the rates are gone). Leaves the machine as it
# found it: the package purged, the test user deleted, the group deleted unless
# it was there before.
#
#   packaging/system-test.sh PACKAGE.deb RATE_WRITER [LINK_SWAPPER]
#
# RATE_WRITER is the build's tests/rate_writer, LINK_SWAPPER its
# tests/link_swapper (by default the one beside RATE_WRITER). Needs root; skips
# otherwise, and skips on a machine where Tallyvane is installed or has live rates.
set -euo pipefail

deb=$(realpath "$1")
writer=$(realpath "$2")
swapper=$(realpath "${3:-$(dirname "$2")/link_swapper}")
dealer=$(dirname "$2")/deal_writer
state=/var/lib/tallyvane
live=$state/Exchange.db
link=/usr/lib/tallyvane/Exchange.db
user=tvsystest$$

skip() { echo "system test SKIPPED: $*"; exit 0; }
fail() { echo "system test FAILED: $*" >&2; exit 1; }
step() { echo "-- $*"; }

[ "$(id -u)" -eq 0 ] || skip "needs root to install a package and add a user (run: sudo $0 $*)"
if dpkg-query -W -f='${Status}' tallyvane 2>/dev/null | grep -qv 'not-installed'; then
    skip "tallyvane is installed here; this test would remove it"
fi
[ ! -e "$state" ] || skip "$state exists (live rates of an earlier install); this test would purge them"
! getent passwd "$user" >/dev/null || skip "user $user exists"

group_was_there=no
getent group tallyvane >/dev/null && group_was_there=yes
tmp=$(mktemp -d)
chmod 0755 "$tmp"
installed=no
swapper_pid=

cleanup() {
    set +e
    [ -z "$swapper_pid" ] || { kill "$swapper_pid"; wait "$swapper_pid"; } 2>/dev/null
    if [ "$installed" = yes ]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq tallyvane >/dev/null 2>&1 \
            || dpkg --purge tallyvane >/dev/null 2>&1
    fi
    getent passwd "$user" >/dev/null && userdel "$user"
    [ "$group_was_there" = yes ] || ! getent group tallyvane >/dev/null || groupdel tallyvane
    rm -rf "$tmp"
}
trap cleanup EXIT

apt_install() {
    installed=yes
    # The libraries it needs are there on a machine that built it, so no download.
    # Another apt run on the machine is waited for rather than failed on.
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "$@" >"$tmp/apt.log" 2>&1 \
        || { cat "$tmp/apt.log"; fail "apt-get install $*"; }
}
as_user() { runuser -u "$user" -- "$@"; }
rate() { as_user "$tmp/rate_writer" "$link" get Testland; }
owner_mode() { stat -c '%U:%G %a' "$1"; }

# The helpers run as the test user, who may not reach the build folder.
install -m 0755 "$writer" "$tmp/rate_writer"
install -m 0755 "$swapper" "$tmp/link_swapper"

# Waits until FILE has at least N lines, while the swapper runs, for up to 10 s.
wait_lines() {
    local deadline=$((SECONDS + 10))
    while [ "$(wc -l <"$1")" -lt "$2" ]; do
        [ "$SECONDS" -lt "$deadline" ] && kill -0 "$swapper_pid" 2>/dev/null || return 1
        sleep 0.05
    done
}

step "install"
apt_install "$deb"
getent group tallyvane >/dev/null || fail "the package made no group tallyvane"
[ "$(readlink "$link")" = "$live" ] || fail "$link does not lead to $live"
[ "$(owner_mode "$state")" = "root:tallyvane 2775" ] || fail "$state is $(owner_mode "$state")"
[ "$(owner_mode "$live")" = "root:tallyvane 664" ] || fail "$live is $(owner_mode "$live")"
cmp -s "$live" /usr/share/tallyvane/Exchange.db || fail "$live is not the seeded rates"
[ "$(owner_mode /usr/lib/tallyvane)" = "root:root 755" ] || fail "/usr/lib/tallyvane is $(owner_mode /usr/lib/tallyvane)"
if ldd /usr/lib/tallyvane/tallyvane | grep -q 'not found'; then
    fail "the program misses libraries: $(ldd /usr/lib/tallyvane/tallyvane | grep 'not found')"
fi
[ "$(readlink -f /usr/bin/tallyvane)" = /usr/lib/tallyvane/tallyvane ] || fail "/usr/bin/tallyvane does not start the program"

step "a user outside the group reads but cannot write"
useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
as_user "$tmp/rate_writer" "$link" get Britain >/dev/null || fail "a user outside the group cannot read the rates"
if as_user "$tmp/rate_writer" "$link" set Testland Crown 4.25 2>"$tmp/err"; then
    fail "a user outside the group changed a rate"
fi
[ -z "$(rate)" ] || fail "the refused write left a rate behind"
cmp -s "$live" /usr/share/tallyvane/Exchange.db || fail "the refused write changed $live"

step "adduser USER tallyvane, then the user writes through $link"
adduser --quiet "$user" tallyvane
as_user "$tmp/rate_writer" "$link" set Testland Crown 4.25 || fail "a member of tallyvane cannot write a rate"
[ "$(rate)" = "Crown 4.25" ] || fail "the rate read back is '$(rate)'"
[ "$(owner_mode "$live")" = "root:tallyvane 664" ] || fail "writing changed $live to $(owner_mode "$live")"
[ "$(ls -A "$state" | tr '\n' ' ')" = "Exchange.db Journal.db " ] || fail "a write left something in $state: $(ls -A "$state")"
[ "$(ls -A /usr/lib/tallyvane | tr '\n' ' ')" = "Exchange.db tallyvane " ] || fail "a write left something in /usr/lib/tallyvane"

step "reinstall keeps the rate"
apt_install --reinstall "$deb"
[ "$(rate)" = "Crown 4.25" ] || fail "reinstalling lost the rate"

step "upgrading to a newer version keeps the rate"
dpkg-deb -R "$deb" "$tmp/newer"
sed -i 's/^Version: .*/&+systest1/' "$tmp/newer/DEBIAN/control"
dpkg-deb --root-owner-group -b "$tmp/newer" "$tmp/newer.deb" >/dev/null
apt_install "$tmp/newer.deb"
dpkg-query -W -f='${Version}' tallyvane | grep -q '+systest1$' || fail "the newer package did not install"
[ "$(rate)" = "Crown 4.25" ] || fail "upgrading lost the rate"

step "remove keeps the rate, installing again finds it"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tallyvane >/dev/null 2>&1 || fail "apt-get remove"
[ ! -e /usr/lib/tallyvane ] || fail "/usr/lib/tallyvane is still there after remove"
[ -f "$live" ] || fail "remove deleted $live"
apt_install "$deb"
[ "$(rate)" = "Crown 4.25" ] || fail "the rate did not survive remove and install"

step "starting over while a group member swaps new entries for links leaves a root-only file alone"
# The way to start over is to delete the live file and install again; any member
# of the group may delete it too. Each round, root's script seeds a new file while
# the member swaps whatever appears in $state for a link to the canary. The first
# round reinstalls; the others run the installed script as dpkg does, which
# takes a moment rather than seconds.
canary=$tmp/canary
printf 'only root may read or change this\n' >"$canary"
chmod 0600 "$canary"
cp -p "$canary" "$tmp/canary.orig"
: >"$tmp/swaps"
setpriv --reuid="$user" --regid="$(id -g "$user")" --init-groups \
    "$tmp/link_swapper" "$state" "$canary" >"$tmp/swaps" 2>"$tmp/swapper.err" &
swapper_pid=$!
wait_lines "$tmp/swaps" 1 || fail "the swapper did not start: $(cat "$tmp/swapper.err")"
version=$(dpkg-query -W -f='${Version}' tallyvane)
configure() { /var/lib/dpkg/info/tallyvane.postinst configure "$version" || fail "postinst failed"; }
for round in $(seq 10); do
    rm -f "$live"
    if [ "$round" -eq 1 ]; then apt_install --reinstall "$deb"; else configure; fi
    # One swap per round shows the member really raced the script.
    wait_lines "$tmp/swaps" $((round + 1)) \
        || fail "round $round: the swapper swapped nothing: $(cat "$tmp/swapper.err")"
    cmp -s "$canary" "$tmp/canary.orig" && [ "$(owner_mode "$canary")" = "root:root 600" ] \
        || fail "round $round: root's script worked through the member's link ($(sed -n '$p' "$tmp/swaps")): the canary is now $(owner_mode "$canary") and reads '$(head -c 16 "$canary" | tr -c '[:print:]' '?')'"
done
kill "$swapper_pid"
wait "$swapper_pid" 2>/dev/null || true
swapper_pid=
rm -f "$live"
configure
[ "$(owner_mode "$live")" = "root:tallyvane 664" ] || fail "$live is $(owner_mode "$live") after starting over"
cmp -s "$live" /usr/share/tallyvane/Exchange.db || fail "starting over did not seed $live"
[ "$(ls -A "$state" | tr '\n' ' ')" = "Exchange.db Journal.db " ] || fail "starting over left something in $state: $(ls -A "$state")"
leftovers=$(find /var/lib -maxdepth 1 -name '.tallyvane*')
[ -z "$leftovers" ] || fail "the package's script left $leftovers"

# The installed program prints a receipt through a real CUPS queue (skipped, saying why, where it cannot).
"$(dirname "$0")/cups-receipt-test.sh" "$dealer"

step "head office's rates through a real web server"
"$(dirname "$0")/feed-system-test.sh" "$tmp/rate_writer" "$user" || fail "the head office feed (above)"
[ ! -e /etc/tallyvane/feed.conf ] || fail "the feed test left /etc/tallyvane/feed.conf"
! find /etc/ssl/certs -name 'tallyvane-feed-test*' | grep -q . || fail "the feed test left its authority trusted"

step "purge deletes the live rates"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq tallyvane >/dev/null 2>&1 || fail "apt-get purge"
installed=no
[ ! -e "$state" ] || fail "$state is still there after purge"

echo "system test ok"
