#!/usr/bin/env bash
# An interrupt is reported with the current input line and, once reading has
# started, the last tag line; the run ends with status 1. The input is a
# named pipe, so the command can be caught waiting at a known point.
set -u
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failed=0

check() {  # expected-stderr-file status what
  if [ "$(cat status)" != "$2" ] || ! cmp -s "$1" stderr; then
    echo "FAIL: $3"
    echo "status $(cat status)"
    diff -u "$1" stderr
    failed=1
  fi
}

# Before the reader has started: waiting to open the input.
mkfifo before.xml
"$bin" before.xml 2> stderr & pid=$!
sleep 1
kill -INT $pid
wait $pid; echo $? > status
printf '%s\n' 'cfgxlate: error: Line 1 - cfgxlate internal error' 'cfgxlate: error: Line 1:' > want
check want 1 "interrupt before reading"

# While reading: two tags delivered, the writer keeps the pipe open.
mkfifo during.xml
"$bin" during.xml 2> stderr & pid=$!
exec 3> during.xml
printf '<?xml version="1.0"?>\n<ARINC_653_Module Target="t%%1">' >&3
sleep 1
kill -INT $pid
wait $pid; echo $? > status
exec 3>&-
printf '%s\n' 'cfgxlate: error: Line 2 - cfgxlate internal error' 'cfgxlate: error: Line 2:' \
  'cfgxlate: error: <ARINC_653_Module Target="t%1">' > want
check want 1 "interrupt while reading"
exit $failed
