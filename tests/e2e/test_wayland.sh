#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# On a Wayland desktop (weston, nested in the private Xvfb display, with XWayland):
# started as a Wayland session starts programs, the program runs under XWayland; asked
# for the native platform, it runs natively. Either way the compositor's maximise
# shortcut neither ends it nor stops its windows from working.
source "$(dirname "$0")/lib.sh" "$@"

command -v weston > /dev/null && command -v Xwayland > /dev/null ||
    { echo "weston or Xwayland is not installed"; exit 77; }
OUTER=$DISPLAY
# No screen lock (it would swallow the keys); pixman draws without a GPU.
weston --backend=x11-backend.so --use-pixman --xwayland --idle-time=0 --socket=wayland-qvz \
    --width=1024 --height=768 > "$WORK/weston.log" 2>&1 &
WESTON_PID=$!
PIDS+=("$WESTON_PID")
for _ in $(seq 100); do
    grep -q 'xserver listening on display' "$WORK/weston.log" && break
    sleep 0.1
done
XWAYLAND=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log")
[ -n "$XWAYLAND" ] || { tail -n 20 "$WORK/weston.log" >&2; fail "weston did not start"; }

# maximise_and_use: Super+Shift+M to weston through the outer display; then the main
# window, drawn anew (Down shows the next topic), still opens the donation page on Alt+D,
# and the program lives on.
maximise_and_use() {
    DISPLAY=$OUTER xdotool mousemove 1000 700 key super+shift+m
    sleep 1
    : > "$OPENED"
    DISPLAY=$OUTER xdotool key Down alt+d
    wait_opened 'page=donate$'
    sleep 1
    alive "$APP_PID" || fail "maximising ended the program"
}

export WAYLAND_DISPLAY=wayland-qvz XDG_SESSION_TYPE=wayland DISPLAY=$XWAYLAND
unset QT_QPA_PLATFORM
start_app
main=$(wait_window "$CAPTION") # an X window: the program runs under XWayland
fixed_frame "$main"
maximise_and_use
kill "$APP_PID"
wait_exit "$APP_PID"

export QT_QPA_PLATFORM=wayland
start_app
sleep 2
xdotool search --name "^$CAPTION\$" > /dev/null && fail "the chosen platform was not kept"
maximise_and_use
kill "$APP_PID"
echo "wayland: ok"
