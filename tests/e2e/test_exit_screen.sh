#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# Alt+D opens the donation page; neither the main window nor the about window offers
# minimise or maximise; closing the main window brings the exit screen, which stays on
# top and offers neither; Enter on it ends the program with status 0.
source "$(dirname "$0")/lib.sh" "$@"

start_app
main=$(wait_window "$CAPTION")
press "$main" alt+d
wait_opened '^http://[^/]+/qv-free-zodiqa/ssd\.php\?page=donate$'
[ "$(wc -l < "$OPENED")" -eq 1 ] || fail "Alt+D opened more than one address"
fixed_frame "$main"
press "$main" alt+h a
about=$(wait_other_window "$CAPTION" "$main")
fixed_frame "$about"
press "$about" Escape
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$CAPTION\$" | grep -qx "$about" || break
    sleep 0.1
done

close_window "$main"
exit_screen=$(wait_other_window "$CAPTION" "$main")
xprop -id "$exit_screen" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    fail "the exit screen does not ask to stay on top"
fixed_frame "$exit_screen"
sleep 0.5
alive "$APP_PID" || fail "closing the main window ended the program"

press "$exit_screen" Return
wait_exit "$APP_PID"
[ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
echo "exit screen: ok"
