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

# With no display at all, or one that cannot be opened: the program's own
# message first, a command to try, and exit 1; with none at all, nothing of
# Qt's.
for display in "" :4999; do
    message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${display:+DISPLAY=$display} \
        timeout 10 "$program" 2>&1)
    status=$?
    [ "$status" -eq 1 ] || fail "display '$display': the exit status was $status, not 1"
    [ "$(head -n 1 <<<"$message")" = "level-converter: no display to open the window on." ] ||
        fail "display '$display': the program's message is not the first line: $message"
    grep -qxF "Run it on a desktop, or under a virtual one: xvfb-run -a $program" <<<"$message" ||
        fail "display '$display': the message names no command that runs it: $message"
    [ -n "$display" ] || [ "$(wc -l <<<"$message")" -eq 2 ] ||
        fail "with no display, more than the program's own two lines: $message"
    # With one that cannot be opened, Qt's one line that names it, and no
    # advice to reinstall.
    [ -z "$display" ] || { [ "$(wc -l <<<"$message")" -eq 3 ] &&
        tail -n 1 <<<"$message" | grep -qF "$display"; } ||
        fail "display '$display': not the program's two lines and Qt's one naming it: $message"
done

echo "$failures of the start checks failed"
exit $((failures > 0))
