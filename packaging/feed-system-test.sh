#!/usr/bin/env bash
# Head office's rates through a real web server, with the package installed:
# makes a test authority and a certificate for 127.0.0.1, trusts the authority
# system-wide for the run, starts Debian's nginx on loopback ports with its own
# configuration, and serves a signed export of the installed program's rates
# and the ways it can go wrong. For each, writes /etc/tallyvane/feed.conf and
# runs the installed `tallyvane --update-rates`: the good file is applied; a
# tampered file, one signed by another key, one cut short, an older one, a
# redirect to plain http and a server that never answers are refused with
# their reason and leave the rates file as it was. Leaves the machine as found:
# nginx stopped, feed.conf and the authority gone.
#
#   packaging/feed-system-test.sh RATE_WRITER [USER]
#
# RATE_WRITER is the build's tests/rate_writer, somewhere USER can run it;
# USER (a member of the group tallyvane) runs the program, root when not given.
# packaging/system-test.sh calls it while the package is installed.
set -euo pipefail

writer=$(realpath "$1")
user=${2:-root}
live=/var/lib/tallyvane/Exchange.db
link=/usr/lib/tallyvane/Exchange.db
conf_dir=/etc/tallyvane
conf=$conf_dir/feed.conf
trusted=/usr/local/share/ca-certificates/tallyvane-feed-test.crt

skip() { echo "feed system test SKIPPED: $*"; exit 0; }
fail() { echo "feed system test FAILED: $*" >&2; exit 1; }
step() { echo "-- $*"; }

[ "$(id -u)" -eq 0 ] || skip "needs root to trust a test authority and write $conf"
[ -x /usr/bin/tallyvane ] && [ -f "$live" ] || skip "the package is not installed"
command -v nginx >/dev/null || skip "nginx is not installed (apt-get install nginx-light)"
command -v minisign >/dev/null || skip "minisign is not installed"
[ ! -e "$conf" ] || skip "$conf exists: this till has a head office, which this test would replace"
[ ! -e "$trusted" ] || skip "$trusted exists"

tmp=$(mktemp -d)
chmod 0755 "$tmp"
www=$tmp/www
mkdir -m 0755 "$www"
conf_dir_made=no
nginx_started=no
silent_pid=

cleanup() {
    set +e
    [ -z "$silent_pid" ] || { kill "$silent_pid"; wait "$silent_pid"; } 2>/dev/null
    if [ "$nginx_started" = yes ]; then
        nginx -c "$tmp/nginx.conf" -e "$tmp/error.log" -s stop 2>/dev/null
        # The master removes its pid file once the workers are gone.
        for _ in $(seq 50); do [ -e "$tmp/nginx.pid" ] || break; sleep 0.1; done
    fi
    rm -f "$conf"
    [ "$conf_dir_made" = no ] || rmdir "$conf_dir"
    if [ -e "$trusted" ]; then
        rm -f "$trusted"
        # Without --fresh the links to a removed authority stay behind.
        update-ca-certificates --fresh >/dev/null 2>&1
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

step "a test authority, trusted system-wide for the run, and a certificate for 127.0.0.1"
(
    cd "$tmp"
    openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -keyout ca.key -out ca.crt \
        -days 2 -subj "/CN=Tallyvane feed test authority" \
        -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign"
    openssl req -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -keyout server.key -out server.csr \
        -subj "/CN=127.0.0.1"
    printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\nextendedKeyUsage=serverAuth\n' >server.ext
    openssl x509 -req -in server.csr -CA ca.crt -CAkey ca.key -CAcreateserial -out server.crt -days 2 \
        -extfile server.ext
) >"$tmp/openssl.log" 2>&1 || { cat "$tmp/openssl.log"; fail "openssl could not make the certificates"; }
install -m 0644 "$tmp/ca.crt" "$trusted"
update-ca-certificates >"$tmp/ca.log" 2>&1 || { cat "$tmp/ca.log"; fail "update-ca-certificates"; }

# Qt makes a runtime folder in /tmp unless given one.
install -d -m 0700 -o "$user" "$tmp/runtime"
as_user() {
    # English messages, whatever the machine's language.
    runuser -u "$user" -- env LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen \
        XDG_RUNTIME_DIR="$tmp/runtime" "$@"
}
rate() { as_user "$writer" "$link" get Testland; }

step "head office's files: an export of the installed rates, edited and signed"
for key in head other; do
    minisign -G -W -p "$tmp/$key.pub" -s "$tmp/$key.key" >/dev/null
done
# Testland gets a rate the till has, and the export head office publishes another.
as_user "$writer" "$link" set Testland Crown 4.25 || fail "cannot write a rate as $user"
install -d -m 0700 -o "$user" "$tmp/export"
as_user tallyvane --export-rates "$tmp/export/rates.csv" || fail "tallyvane --export-rates failed"
mv "$tmp/export/rates.csv" "$tmp/export.csv"
grep -q '^Testland,' "$tmp/export.csv" || fail "the export has no row for Testland: $(head -5 "$tmp/export.csv")"
edited() { sed "/^Testland,/s/,4\\.25,/,$1,/" "$tmp/export.csv"; }
now=$(date +%s)
# FILE KEY TIME: signs FILE as minisign does by default, with the time given.
sign() {
    minisign -S -s "$tmp/$2.key" -m "$www/$1" -t "timestamp:$3	file:$1	hashed" >/dev/null </dev/null \
        || fail "minisign could not sign $1"
}
edited 5.5 >"$www/good.csv"
grep -q '^Testland,.*,5\.5,' "$www/good.csv" || fail "the edit did not take: $(grep '^Testland,' "$www/good.csv")"
sign good.csv head "$now"
edited 9.75 >"$www/tampered.csv"
cp "$www/good.csv.minisig" "$www/tampered.csv.minisig"
edited 5.5 >"$www/other.csv"
sign other.csv other "$now"
edited 3.5 >"$www/older.csv"
sign older.csv head $((now - 86400))
edited 5.5 >"$www/cut.csv"
sign cut.csv head $((now + 60))
truncate -s $(($(stat -c %s "$www/cut.csv") / 2)) "$www/cut.csv"
chmod 0644 "$www"/*

step "nginx on 127.0.0.1, https and plain http"
https_port=$(free_port)
http_port=$(free_port)
mkdir -m 0700 "$tmp/temp"
cat >"$tmp/nginx.conf" <<EOF
user www-data;
worker_processes 1;
pid $tmp/nginx.pid;
error_log $tmp/error.log;
events { worker_connections 64; }
http {
    access_log $tmp/access.log;
    client_body_temp_path $tmp/temp/body;
    proxy_temp_path $tmp/temp/proxy;
    fastcgi_temp_path $tmp/temp/fastcgi;
    uwsgi_temp_path $tmp/temp/uwsgi;
    scgi_temp_path $tmp/temp/scgi;
    types { text/csv csv; }
    default_type application/octet-stream;
    server {
        listen 127.0.0.1:$https_port ssl;
        server_name 127.0.0.1 localhost;
        ssl_certificate $tmp/server.crt;
        ssl_certificate_key $tmp/server.key;
        root $www;
        location /moved/ {
            rewrite ^/moved/(.*)\$ http://127.0.0.1:$http_port/\$1 redirect;
        }
    }
    server {
        listen 127.0.0.1:$http_port;
        root $www;
    }
}
EOF
nginx -t -q -c "$tmp/nginx.conf" -e "$tmp/error.log" || fail "nginx refuses the test configuration: $(cat "$tmp/error.log")"
nginx_started=yes
nginx -c "$tmp/nginx.conf" -e "$tmp/error.log" || fail "nginx did not start: $(cat "$tmp/error.log")"
base=https://127.0.0.1:$https_port
for _ in $(seq 50); do
    curl -fsS -o /dev/null "$base/good.csv" 2>/dev/null && break
    sleep 0.1
done
curl -fsS -o /dev/null "$base/good.csv" || fail "nginx does not serve $base/good.csv with the trusted authority"

# URL: writes feed.conf for it, root's and read-only for others as the program demands.
point_at() {
    [ -d "$conf_dir" ] || { install -d -m 0755 "$conf_dir"; conf_dir_made=yes; }
    printf '[Feed]\nUrl=%s\nPublicKey=%s\nIntervalMinutes=15\n' "$1" "$(sed -n 2p "$tmp/head.pub")" >"$conf"
    chown root:root "$conf"
    chmod 0644 "$conf"
}
# URL WORDS: the run is refused, says WORDS, and the rates file is as it was.
refused() {
    point_at "$1"
    cp "$live" "$tmp/before.db"
    local before
    before=$(rate)
    if as_user tallyvane --update-rates >"$tmp/out" 2>"$tmp/err"; then
        fail "$1 was applied: $(cat "$tmp/out")"
    fi
    grep -q -- "$2" "$tmp/err" || fail "refusing $1 said '$(cat "$tmp/err")', not '$2'"
    cmp -s "$live" "$tmp/before.db" || fail "refusing $1 changed $live"
    [ "$(rate)" = "$before" ] || fail "refusing $1 changed the rate to '$(rate)'"
    echo "   refused: $(tail -1 "$tmp/err")"
}

step "refusals before any file was applied"
[ "$(rate)" = "Crown 4.25" ] || fail "the rate before the feed is '$(rate)'"
refused "$base/tampered.csv" "does not match its signature"
refused "$base/other.csv" "signed with another key"
refused "$base/cut.csv" "cut short"
refused "$base/moved/good.csv" "which is not https"

step "the good file is applied, and fetching it again changes nothing"
point_at "$base/good.csv"
as_user tallyvane --update-rates >"$tmp/out" 2>"$tmp/err" || fail "the good file was not applied: $(cat "$tmp/err")"
[ "$(rate)" = "Crown 5.5" ] || fail "after applying the good file the rate is '$(rate)'"
grep -q "applied" "$tmp/out" || fail "applying said '$(cat "$tmp/out")'"
echo "   applied: $(cat "$tmp/out")"
cp "$live" "$tmp/before.db"
as_user tallyvane --update-rates >"$tmp/out" 2>"$tmp/err" || fail "fetching the applied file again failed: $(cat "$tmp/err")"
cmp -s "$live" "$tmp/before.db" || fail "fetching the applied file again changed $live"

step "an older signed file is refused"
refused "$base/older.csv" "not after the rates applied last"

step "a server that never answers (the program waits its 30 s)"
python3 -c '
import socket, sys, time
s = socket.socket()
s.bind(("127.0.0.1", 0))
s.listen(8)
print(s.getsockname()[1], flush=True)
held = []
while True:
    held.append(s.accept()[0])
' >"$tmp/silent.port" &
silent_pid=$!
for _ in $(seq 50); do [ -s "$tmp/silent.port" ] && break; sleep 0.1; done
[ -s "$tmp/silent.port" ] || fail "the silent server did not start"
refused "https://127.0.0.1:$(cat "$tmp/silent.port")/good.csv" "did not come in time"

echo "feed system test ok"
