#!/bin/sh
# Usage: expect-unreadable.sh PROGRAM FILE — the program must say it couldn't read FILE, and why,
# and exit 1.
message=$("$1" --extract "$2" 2>&1 >/dev/null)
status=$?
expected="Couldn't read $(basename "$2"): "
case "$message" in
"$expected"?*) [ "$status" -eq 1 ] && exit 0 ;;
esac
echo "status $status, message '$message', expected '$expected' and a reason"
exit 1
