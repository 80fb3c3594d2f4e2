#!/bin/sh
# A private CUPS server for the print test, all of it inside one folder:
#   print-queue.sh start DIR   cupsd on DIR/cups.sock (clients set
#                              CUPS_SERVER to it) with the default queue
#   print-queue.sh stop DIR    stops it
# The queue's backend keeps job N as DIR/jobs/N.ps and its sheets
# rasterised at 30 dpi as DIR/jobs/N-<sheet>.ppm, then writes the job's name
# to DIR/jobs/N.done.
# Runs as root: cupsd runs a backend as root only when it is private to root.
set -eu
dir=$(mkdir -p "$2" && cd "$2" && pwd)
if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for i in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pid" 2>/dev/null && sleep 0.2; done
    rm -f "$dir/cupsd.pid"
fi
[ "$1" = stop ] && exit 0

rm -rf "$dir/etc" "$dir/bin" "$dir/spool" "$dir/state" "$dir/cache" "$dir/jobs"
mkdir -p "$dir/etc" "$dir/bin/backend" "$dir/spool" "$dir/state" "$dir/cache" "$dir/jobs"
ln -s /usr/lib/cups/daemon /usr/lib/cups/filter "$dir/bin"
cat > "$dir/bin/backend/folivex" <<EOF
#!/bin/sh
[ \$# -eq 0 ] && { echo 'direct folivex "Folivex test"'; exit 0; }
cat "\${6:--}" > "$dir/jobs/\$1.ps"
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r30 -o "$dir/jobs/\$1-%d.ppm" "$dir/jobs/\$1.ps" >/dev/null 2>&1
echo "\$3" > "$dir/jobs/\$1.done"
EOF
chmod 0700 "$dir/bin/backend/folivex"
printf '%s\n' "ServerRoot $dir/etc" "ServerBin $dir/bin" "RequestRoot $dir/spool" "StateDir $dir/state" \
    "CacheDir $dir/cache" "Printcap $dir/state/printcap" \
    "ErrorLog stderr" "AccessLog stderr" "PageLog stderr" > "$dir/etc/cups-files.conf"
# Anyone may do anything: only this test's clients reach the socket.
printf '%s\n' "Listen $dir/cups.sock" "Browsing No" "LogLevel warn" \
    "<Policy default>" "<Limit All>" "Order deny,allow" "</Limit>" "</Policy>" > "$dir/etc/cupsd.conf"

cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" </dev/null >/dev/null 2>"$dir/cupsd.log" &
echo $! > "$dir/cupsd.pid"
export CUPS_SERVER="$dir/cups.sock"
until [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; do
    kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || { cat "$dir/cupsd.log" >&2; exit 1; }
    sleep 0.1
done
lpadmin -p Folivex_Test -E -v folivex:/ -m raw 2>/dev/null
lpadmin -d Folivex_Test
