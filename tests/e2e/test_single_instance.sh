#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# The program runs once per user: a second start says so (in a box that offers neither
# minimise nor maximise) and ends, the first keeps running, and a lock left by a killed
# process does not block the next start. A runtime folder that takes no file (a full
# file system, which only root can mount here) does not block it either: the program
# starts, and says once on standard error where and why the check was skipped.
source "$(dirname "$0")/lib.sh" "$@"

start_app
first=$APP_PID
wait_window "$CAPTION" > /dev/null
sleep 1
settings_before=$(cat "$SETTINGS_FILE" 2>/dev/null || echo none)

start_app
second=$APP_PID
box=$(wait_window "$QVZ_APP_NAME")
xdotool getwindowname "$box" | grep -qx "$QVZ_APP_NAME" || fail "message box caption"
fixed_frame "$box"
press "$box" Return
wait_exit "$second"
[ "$EXIT_STATUS" -eq 0 ] || fail "second instance ended with status $EXIT_STATUS"
alive "$first" || fail "the first instance ended too"
[ "$(cat "$SETTINGS_FILE" 2>/dev/null || echo none)" = "$settings_before" ] ||
    fail "the second instance touched the settings"

kill -9 "$first"
wait_exit "$first"
start_app
wait_window "$CAPTION" > /dev/null
alive "$APP_PID" || fail "a stale lock blocked the next start"

if [ "$(id -u)" -ne 0 ] || ! mkdir -m 700 "$WORK/full" ||
    ! mount -t tmpfs -o size=16k,mode=700 tmpfs "$WORK/full"; then
    echo "single instance: ok (full runtime folder skipped: needs root)"
    exit 0
fi
MOUNTED=$WORK/full
head -c 1M /dev/zero > "$MOUNTED/filler" 2> /dev/null || true
kill -9 "$APP_PID"
wait_exit "$APP_PID"
XDG_RUNTIME_DIR=$MOUNTED start_app
wait_window "$CAPTION" > /dev/null
log=$WORK/app-$((${#PIDS[@]} - 1)).log
[ "$(grep -c "\"$MOUNTED\": No space left on device" "$log")" -eq 1 ] ||
    fail "no line on the full runtime folder: $(cat "$log")"
echo "single instance: ok"
