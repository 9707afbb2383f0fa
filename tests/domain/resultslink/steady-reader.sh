#!/usr/bin/env bash
# A peer of the results link in a Linux process of its own: it takes a
# hand-over from the socket on its standard input and output (socat hands
# it over), 64 KB once a second, and acknowledges it with ROK once the file
# is whole. What it took (the RFL line, then the file's bytes) is written
# to FILE.part, which becomes FILE when the reader is done.
#
#   steady-reader.sh FILE
set -u
out=$1
part=$out.part
chunk=65536

IFS= read -r header || { mv "$part" "$out" 2>/dev/null || : >"$out"; exit 1; }
printf '%s\n' "$header" >"$part"
size=${header##*,}
size=${size%$'\r'}
expected=$(( ${#header} + 1 + size ))

start=${EPOCHREALTIME/./}
second=0
have=$(stat -c %s "$part")
while [ "$have" -lt "$expected" ]; do
    left=$(( expected - have ))
    dd bs=$(( left < chunk ? left : chunk )) count=1 iflag=fullblock status=none >>"$part"
    now=$(stat -c %s "$part")
    [ "$now" -gt "$have" ] || break     # the link closed the connection
    have=$now
    [ "$have" -lt "$expected" ] || break
    second=$(( second + 1 ))
    wait=$(( start + second * 1000000 - ${EPOCHREALTIME/./} ))
    [ "$wait" -gt 0 ] && sleep "$(printf '%d.%06d' $(( wait / 1000000 )) $(( wait % 1000000 )))"
done
[ "$have" -eq "$expected" ] && printf 'ROK\r\n'
sleep 1
mv "$part" "$out"
