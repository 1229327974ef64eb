#!/usr/bin/env bash
# A private print service for the print tests: a CUPS daemon of its own, reached only through a
# socket in FOLDER, whose one printer (the default) is a cups-pdf PDF printer writing every job as
# a PDF file into FOLDER/pdf. The machine's own print service and its settings stay untouched.
#
#   scripts/print-service.sh start FOLDER   starts it; prints the environment the tests need
#   scripts/print-service.sh stop FOLDER    stops it (nothing happens when it is not running)
#
# cups-pdf reads its settings from /etc/cups/cups-pdf.conf only, and its backend runs only as root.
# So the daemon runs as root in a mount namespace of its own, where a private cups-pdf.conf is
# mounted over that file. Without root, start fails and says why.
set -euo pipefail
PATH=$PATH:/usr/sbin:/sbin

readonly kPrinter=VantoraPDF
readonly kPpd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
readonly kBackend=/usr/lib/cups/backend/cups-pdf
readonly kCupsPdfConf=/etc/cups/cups-pdf.conf

fail() {
  echo "print service: $*" >&2
  exit 1
}

start() {
  local folder=$1
  [ "$(id -u)" -eq 0 ] || fail "cups-pdf's backend runs only as root; not started"
  for program in cupsd lpadmin lpstat unshare mount; do
    command -v "$program" >/dev/null || fail "$program is missing; not started"
  done
  [ -x "$kBackend" ] && [ -f "$kPpd" ] && [ -f "$kCupsPdfConf" ] ||
    fail "printer-driver-cups-pdf is not installed; not started"

  mkdir -p "$folder"/{etc/ppd,spool/tmp,cache,state,log,pdf,cups-pdf}
  # The daemon's filters run as lp and read the spooled jobs through this folder.
  chmod 0755 "$folder"
  chown -R lp:lp "$folder"/spool "$folder"/cache
  chmod 0710 "$folder"/spool "$folder"/cache
  local socket=$folder/cups.sock

  cat >"$folder/etc/cups-files.conf" <<EOF
ServerRoot $folder/etc
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
User lp
Group lp
SystemGroup root
EOF
  cat >"$folder/etc/cupsd.conf" <<EOF
Listen $socket
Browsing Off
LogLevel warn
MaxJobs 0
PreserveJobHistory Off
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
  # Jobs keep their number in the file name ("job_12-..."), so a test tells its pages apart.
  cat >"$folder/cups-pdf.conf" <<EOF
Out $folder/pdf
Spool $folder/cups-pdf
Label 1
EOF

  unshare --mount --propagation private sh -c \
    'mount --bind "$1" "$2" && exec cupsd -f -c "$3" -s "$4"' sh \
    "$folder/cups-pdf.conf" "$kCupsPdfConf" "$folder/etc/cupsd.conf" \
    "$folder/etc/cups-files.conf" </dev/null >"$folder/log/cupsd.out" 2>&1 &
  echo $! >"$folder/cupsd.pid"

  local waited=0
  until [ -S "$socket" ] && lpstat -h "$socket" -r 2>/dev/null | grep -q "is running"; do
    if ! kill -0 "$(cat "$folder/cupsd.pid")" 2>/dev/null || [ $waited -ge 100 ]; then
      cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null || true
      stop "$folder"
      fail "the CUPS daemon did not start"
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  # The PDF reaches cups-pdf as PostScript; poppler's cairo renderer keeps the text's fonts as
  # fonts, so the PDF it writes still holds the text. lpadmin warns on standard error that drivers
  # (PPD files) are deprecated.
  lpadmin -h "$socket" -p "$kPrinter" -E -v cups-pdf:/ -P "$kPpd" \
    -o pdftops-renderer-default=pdftocairo 2>/dev/null &&
    lpadmin -h "$socket" -d "$kPrinter" || {
    stop "$folder"
    fail "the PDF printer could not be set up"
  }
  echo "CUPS_SERVER=$socket"
  echo "VANTORA_TEST_PDF_FOLDER=$folder/pdf"
}

stop() {
  local folder=$1 pid
  [ -f "$folder/cupsd.pid" ] || return 0
  pid=$(cat "$folder/cupsd.pid")
  rm -f "$folder/cupsd.pid"
  kill -TERM "$pid" 2>/dev/null || return 0
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
}

case "${1:-} ${2:+folder}" in
  "start folder") start "$2" ;;
  "stop folder") stop "$2" ;;
  *) fail "usage: $0 start|stop FOLDER" ;;
esac
