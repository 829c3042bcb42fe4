#!/usr/bin/env bash
# The tests' own print server: cupsd with its own configuration, state, spool and logs in folder D,
# listening only on the socket D/cups.sock, with one queue "PDF" (cups-pdf) as its default.
#
#   private-cups.sh start D       starts the server (its pid in D/cupsd.pid) and makes the queue
#   private-cups.sh finish D      checks that every job the server has seen is a completed one that
#                                 the print tests sent (their ids in D/sent-jobs), then stops the
#                                 server by its pid; fails when the check fails
#
# cups-pdf reads /etc/cups/cups-pdf.conf and then the defaults of its queue's PPD, which may not hold a
# "/". The queue's PPD therefore names every folder cups-pdf writes to (output, spool, log, temporary
# files) relative to the server's working folder, which is D: nothing is written outside D. A job of a
# user unknown to the system (the print tests set CUPS_USER) lands in D/pdf, named job_<id>-<title>.pdf.
# cups-pdf runs only as root, so the server needs root.
set -euo pipefail

fail() { echo "private-cups: $*" >&2; exit 1; }

[ $# -eq 2 ] || fail "usage: $0 start|finish FOLDER"
action=$1
D=$2
case "$D" in /*) ;; *) fail "the folder must be an absolute path: $D" ;; esac
export CUPS_SERVER="$D/cups.sock"
export PATH="$PATH:/usr/sbin:/sbin"  # lpadmin and cupsd
export HOME="$D/home"  # lpstat and lpadmin read no one's ~/.cups
unset CUPS_USER PRINTER LPDEST

# Waits until the command succeeds, polling for at most a minute.
await() {
  local tries=600
  until "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || return 1
    sleep 0.1
  done
}

# The pid in D/cupsd.pid when it is still the cupsd of this folder.
server_pid() {
  local pid
  pid=$(cat "$D/cupsd.pid" 2>/dev/null) || return 1
  [ -n "$pid" ] && tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qF "cupsd -f -c $D/cupsd.conf" || return 1
  echo "$pid"
}

stop_server() {
  local pid
  pid=$(server_pid) || return 0
  kill "$pid"
  # Gone, or a zombie waiting for its parent.
  await sh -c "! grep -qs '^State:[[:space:]]*[^Z]' /proc/$pid/status" || kill -9 "$pid"
}

# The queue PDF, enabled and accepting, as the server's default.
make_queue() {
  lpadmin -p PDF -v cups-pdf:/ -E -P "$D/coupon.ppd" 2>"$D/log/lpadmin.err" &&
    lpadmin -d PDF 2>>"$D/log/lpadmin.err" &&
    [ "$(lpstat -d 2>>"$D/log/lpadmin.err")" = "system default destination: PDF" ]
}

start() {
  [ "$(id -u)" -eq 0 ] || fail "the print server needs root: cups-pdf runs only as root"
  local cupsd ppd
  cupsd=$(command -v cupsd) || fail "cupsd is not installed (package cups)"
  ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  [ -f "$ppd" ] || fail "$ppd is missing (package printer-driver-cups-pdf)"
  # Unix sockets take at most 107 bytes of path.
  [ ${#CUPS_SERVER} -lt 100 ] || fail "the socket path is too long: $CUPS_SERVER"

  stop_server  # one left over from an interrupted run
  rm -rf "$D"
  mkdir -p "$D"/{etc,spool/tmp,cache,state,log,home,pdfspool}
  # cups-pdf can make none of its folders from a relative path; it writes its PDF and temporary
  # files as the user nobody.
  mkdir -m 1777 "$D/pdf" "$D/gstmp"
  chmod 755 "$D"
  chgrp lp "$D/spool" "$D/spool/tmp" "$D/cache" "$D/state" "$D/etc"
  chmod 710 "$D/spool"
  chmod 1770 "$D/spool/tmp"
  chmod 770 "$D/cache"

  cat >"$D/cupsd.conf" <<EOF
LogLevel info
Listen $D/cups.sock
Browsing No
WebInterface No
DefaultShared No
PreserveJobHistory Yes
PreserveJobFiles No
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
  cat >"$D/cups-files.conf" <<EOF
ServerRoot $D/etc
RequestRoot $D/spool
TempDir $D/spool/tmp
CacheDir $D/cache
StateDir $D/state
AccessLog $D/log/access_log
ErrorLog $D/log/error_log
PageLog $D/log/page_log
Printcap $D/etc/printcap
User lp
Group lp
SystemGroup root
FileDevice No
EOF

  # The server and its backends work in D; its own session, so it outlives the test that starts it.
  cd "$D"
  setsid "$cupsd" -f -c "$D/cupsd.conf" -s "$D/cups-files.conf" </dev/null >"$D/log/cupsd.out" 2>&1 &
  echo $! >"$D/cupsd.pid"
  if ! await lpstat -r; then
    cat "$D/log/cupsd.out" "$D/log/error_log" >&2 2>/dev/null || true
    fail "cupsd did not start"
  fi

  # cups-pdf's folders, relative to D; job files named job_<id>-<title>.pdf.
  sed -e 's/^\*DefaultLabel:.*/*DefaultLabel: 1/' "$ppd" >"$D/coupon.ppd"
  local option folder
  for option in Out:pdf AnonDirName:pdf Spool:pdfspool Log:log GSTmp:gstmp; do
    folder=${option#*:}
    option=${option%%:*}
    printf '*OpenUI *%s: PickOne\n*Default%s: %s\n*%s %s: ""\n*CloseUI: *%s\n' \
      "$option" "$option" "$folder" "$option" "$folder" "$option" >>"$D/coupon.ppd"
  done
  # A fresh server now and then refuses a connection for a moment ("Bad file descriptor").
  await make_queue || fail "lpadmin could not make the queue: $(cat "$D/log/lpadmin.err")"
  : >"$D/sent-jobs"
}

finish() {
  local problem="" all completed sent
  if ! server_pid >/dev/null; then
    problem="the print server is not running"
  elif ! await lpstat -W all -o; then
    problem="lpstat cannot reach the print server"
  else
    all=$(lpstat -W all -o | awk '{print $1}' | sort)
    completed=$(lpstat -W completed -o | awk '{print $1}' | sort)
    sent=$(sort "$D/sent-jobs" 2>/dev/null || true)
    if [ "$all" != "$completed" ]; then
      problem="jobs not completed: $(comm -23 <(echo "$all") <(echo "$completed") | tr '\n' ' ')"
    elif [ "$completed" != "$sent" ]; then
      problem="completed jobs: [$(echo $completed)], sent by the print tests: [$(echo $sent)]"
    fi
  fi
  stop_server
  [ -z "$problem" ] || fail "$problem (the server's files stay in $D)"
  echo "private-cups: the completed jobs are the print tests' own: $(echo $completed)"
  rm -rf "$D"
}

case "$action" in
  start) start ;;
  finish) finish ;;
  *) fail "unknown action $action" ;;
esac
