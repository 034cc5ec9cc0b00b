#!/usr/bin/env bash
# Prints a receipt through a real CUPS queue with the installed program: a
# PDF queue (cups-pdf) made the default for this run only, a deal recorded in
# the installed journal by DEAL_WRITER, `tallyvane --reprint-receipt N` with
# the receipts set to go to the printer, and the PDF that comes out read back
# with pdftotext. Called by system-test.sh while the package is installed.
# Starts cupsd when it is not running and stops it again; removes its queue
# and its cups-pdf settings. Needs root; skips, saying why, when it cannot run.
#
#   packaging/cups-receipt-test.sh DEAL_WRITER
set -euo pipefail

writer=$(realpath "$1")
queue=TallyvaneTest
instance=tallyvanetest
instance_conf=/etc/cups/cups-pdf-$instance.conf
journal=/var/lib/tallyvane/Journal.db

skip() { echo "receipt through CUPS SKIPPED: $*"; exit 0; }
fail() { echo "receipt through CUPS FAILED: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "needs root to start cupsd and add a queue"
for tool in cupsd lpadmin lpstat pdftotext; do
    command -v "$tool" >/dev/null || skip "$tool is missing (Debian packages cups, cups-client, poppler-utils)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the PDF printer is missing (Debian package printer-driver-cups-pdf)"
[ -x "$writer" ] || skip "no deal writer at $writer"
[ ! -e "$instance_conf" ] || skip "$instance_conf exists"

tmp=$(mktemp -d)
chmod 0755 "$tmp"
cupsd_pid=
queue_added=no
# What a cupsd started here writes into /etc/cups, removed again when it was not there.
cups_files=(/etc/cups/printers.conf /etc/cups/printers.conf.O /etc/cups/subscriptions.conf
            /etc/cups/subscriptions.conf.O /etc/cups/classes.conf /etc/cups/classes.conf.O)
absent=()
for f in "${cups_files[@]}"; do [ -e "$f" ] || absent+=("$f"); done

cleanup() {
    set +e
    if [ "$queue_added" = yes ]; then
        cancel -a -x "$queue" 2>/dev/null
        lpadmin -x "$queue"
    fi
    rm -f "$instance_conf"
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid"
        wait "$cupsd_pid" 2>/dev/null
        for f in "${absent[@]}"; do rm -f "$f"; done
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

echo "-- a receipt printed through a CUPS queue"
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    cupsd -f >"$tmp/cupsd.log" 2>&1 &
    cupsd_pid=$!
    for _ in $(seq 50); do
        lpstat -r 2>/dev/null | grep -q 'is running' && break
        kill -0 "$cupsd_pid" 2>/dev/null || break
        sleep 0.1
    done
    lpstat -r 2>/dev/null | grep -q 'is running' || skip "cupsd did not start: $(tail -n 3 "$tmp/cupsd.log")"
fi
! lpstat -p "$queue" >/dev/null 2>&1 || skip "a queue $queue exists"

# A cups-pdf instance of its own, writing where this test looks.
mkdir -m 1777 "$tmp/out"
printf 'Out %s\nAnonDirName %s\nLabel 0\n' "$tmp/out" "$tmp/out" >"$instance_conf"
model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ { print $1; exit }')
[ -n "$model" ] || fail "lpinfo lists no cups-pdf model"
queue_added=yes
# Rendered through cairo: through Ghostscript's PostScript the PDF's text keeps
# its shapes but loses its characters, and pdftotext reads nothing.
lpadmin -p "$queue" -E -v "cups-pdf:/$instance" -m "$model" -o pdftops-renderer-default=pdftocairo \
    2>"$tmp/lpadmin.err" \
    || fail "lpadmin: $(cat "$tmp/lpadmin.err")"

read -r number amount total paid_out in_pounds < <("$writer" "$journal") || fail "the deal was not recorded"
printf -v shown '%06d' "$number"

# The settings of a user of its own: receipts to the printer, on an 80 mm roll.
mkdir -p "$tmp/home/.config/Tallyvane"
printf '[Receipts]\nDestination=printer\nLayout=80mm\nShopName=CUPS Test Exchange\n' \
    >"$tmp/home/.config/Tallyvane/Tallyvane.ini"
HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config PRINTER=$queue LPDEST=$queue LC_ALL=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen timeout 30 tallyvane --reprint-receipt "$number" >"$tmp/run.log" 2>&1 \
    || fail "tallyvane --reprint-receipt $number: $(cat "$tmp/run.log")"

# The job is done once the queue holds it no more; the PDF is then whole.
pdf=
for _ in $(seq 200); do
    found=$(find "$tmp/out" -name '*.pdf' -size +0 -print -quit)
    if [ -n "$found" ] && [ -z "$(lpstat -o "$queue" 2>/dev/null)" ]; then
        pdf=$found
        break
    fi
    sleep 0.1
done
[ -n "$pdf" ] || fail "no PDF came out of $queue: $(lpstat -o "$queue" 2>&1) $(tail -n 5 /var/log/cups/error_log 2>/dev/null)"
text=$(pdftotext -layout "$pdf" -)
for want in "$shown" COPY "CUPS Test Exchange" "$amount" "$total" "$paid_out" "$in_pounds"; do
    grep -qF -- "$want" <<<"$text" || fail "the printed receipt lacks '$want':
$text"
done
echo "receipt $shown printed through $queue"
