#!/usr/bin/env bash
# The program reads no command line, and without a display it says what to do.
# Usage: command_line_test.sh PROGRAM
set -uo pipefail
program=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Qt's own options change nothing: with a platform that cannot exist named on
# the command line, the window still opens on the one the environment gives.
QT_QPA_PLATFORM=offscreen timeout 3 "$program" -platform no-such-platform -reverse \
    -stylesheet /no/such/file -style no-such-style >/dev/null 2>&1
status=$?
[ "$status" -eq 124 ] || fail "with Qt's options on the command line the window did not stay open (exit $status)"

# With no display at all: a plain message, a command to try, and exit 1.
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "without a display the exit status was $status, not 1"
grep -q "no display to open the window on" <<<"$message" || fail "no plain no-display message: $message"
grep -qF "xvfb-run -a $program" <<<"$message" || fail "the message names no command that runs it: $message"

echo "$failures of the start checks failed"
exit $((failures > 0))
