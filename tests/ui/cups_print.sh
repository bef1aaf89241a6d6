#!/usr/bin/env bash
# Runs the CupsPrint tests of ui_tests against a private CUPS: a cupsd of its
# own (config, spool and socket in a temporary folder, no network port) with one
# CUPS-PDF queue writing into that folder.  The cupsd is stopped and the
# folder removed at the end.  Exit 77 (a skip) when cupsd cannot be started.
# Usage: cups_print.sh path/to/ui_tests
set -uo pipefail
bin=$1
queue=AlmucanPDF

skip() {
  echo "SKIPPED: the CUPS print test did not run: $*"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "cupsd and the cups-pdf backend need root"
for f in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/lpstat /usr/lib/cups/backend/cups-pdf \
         /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd; do
  [ -e "$f" ] || skip "$f is missing (Debian cups, cups-client, printer-driver-cups-pdf)"
done

dir=$(mktemp -d /tmp/almucan-cups.XXXXXX)
# cups-pdf reads its settings from /etc/cups/cups-pdf-<name>.conf for a
# device URI cups-pdf:/<name>; the name is unique to this run.
instance=almucan$$
pdfconf=/etc/cups/cups-pdf-$instance.conf
cupsd_pid=
cleanup() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
  rm -f "$pdfconf"
  rm -rf "$dir"
}
trap cleanup EXIT
# The filters run as the lp user: the folders must be reachable.
chmod 755 "$dir"
mkdir -p "$dir/etc" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out"
cat > "$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/printcap
SystemGroup root
EOF
cat > "$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat > "$pdfconf" <<EOF
Out $dir/out
AnonDirName $dir/out
Spool $dir/spool/cups-pdf
Log $dir/log
EOF

export CUPS_SERVER=$dir/cups.sock
/usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" &
cupsd_pid=$!
# Up to 10 s for the scheduler to answer.
start=$SECONDS
while [ $((SECONDS - start)) -lt 10 ]; do
  timeout 2 lpstat -r 2>/dev/null | grep -q "is running" && break
  kill -0 "$cupsd_pid" 2>/dev/null || break
  sleep 0.1
done
if ! timeout 5 lpstat -r 2>/dev/null | grep -q "is running"; then
  cat "$dir/log/error_log" 2>/dev/null
  skip "cupsd did not start"
fi
# The pdftocairo renderer keeps the text of the page readable in the PDF
# that CUPS-PDF writes (Ghostscript's turns it into unnamed glyphs).
timeout 20 lpadmin -p "$queue" -v "cups-pdf:/$instance" -o pdftops-renderer-default=pdftocairo \
  -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>&1 | grep -v "drivers are deprecated"
timeout 5 lpstat -p "$queue" >/dev/null || { echo "FAILED: lpadmin did not add $queue"; exit 1; }

export ALMUCAN_CUPS_QUEUE=$queue ALMUCAN_CUPS_OUT=$dir/out ALMUCAN_CUPSD_PID=$cupsd_pid
# The last test stops cupsd; the others need it running.  The time limits
# keep the whole run inside ctest's.
timeout 60 "$bin" --gtest_filter=CupsPrint.*-*Stopped* && timeout 20 "$bin" --gtest_filter=CupsPrint.*Stopped*
rc=$?
if [ $rc -ne 0 ]; then
  echo "--- cupsd error log"
  tail -40 "$dir/log/error_log" 2>/dev/null
  tail -40 "$dir"/log/cups-pdf-*_log 2>/dev/null
fi
exit $rc
