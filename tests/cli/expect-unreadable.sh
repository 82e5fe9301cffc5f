#!/bin/sh
# Usage: expect-unreadable.sh PROGRAM FILE — the program must say it couldn't read FILE and exit 1.
message=$("$1" --extract "$2" 2>&1 >/dev/null)
status=$?
expected="Couldn't read $(basename "$2")"
[ "$status" -eq 1 ] && [ "$message" = "$expected" ] && exit 0
echo "status $status, message '$message', expected '$expected'"
exit 1
