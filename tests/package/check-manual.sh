#!/bin/sh
# Usage: check-manual.sh PAGE — man must render the page (plain or gzipped) without a warning.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all -l "$1" 2>&1 >/dev/null)
status=$?
[ "$status" -eq 0 ] && [ -z "$warnings" ] && exit 0
echo "man exited with $status:"
echo "$warnings"
exit 1
