#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# The first run stores today's date quietly; a later run within two weeks stays quiet;
# a date 20 days old brings the reminder, and Yes opens the download page and stores
# today's date.
source "$(dirname "$0")/lib.sh" "$@"
# Qt reads the locale from these variables alone; the C library need not have it.
{ export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8; } 2> /dev/null
today=$(date +%-m/%-d/%y)

start_app
main=$(wait_window "$CAPTION")
[ "$(setting Duration)" = "$today" ] || fail "first run stored '$(setting Duration)', not $today"
kill -9 "$APP_PID"
wait_exit "$APP_PID"

cp "$SETTINGS_FILE" "$WORK/settings.before"
start_app
wait_window "$CAPTION" > /dev/null
xdotool search --onlyvisible --name "^$QVZ_APP_NAME\$" > /dev/null && fail "a message appeared on the second run"
cmp -s "$SETTINGS_FILE" "$WORK/settings.before" || fail "the second run changed the settings"
kill -9 "$APP_PID"
wait_exit "$APP_PID"

# As an older copy wrote it: Duration alone.
sed -i -e "s|^Duration=.*|Duration=$(date -d '20 days ago' +%-m/%-d/%y)|" -e "/^DurationIso=/d" "$SETTINGS_FILE"
start_app
reminder=$(wait_window "$QVZ_APP_NAME")
press "$reminder" Return
wait_opened '^http://[^/]+/qv-free-zodiqa/ssd\.php\?page=download-web-page$'
wait_window "$CAPTION" > /dev/null
[ "$(setting Duration)" = "$today" ] || fail "the reminder stored '$(setting Duration)'"
kill -9 "$APP_PID"
wait_exit "$APP_PID"

# A settings file that is no INI at all neither stops the program nor brings a message.
head -c 4096 /dev/urandom > "$SETTINGS_FILE"
start_app
wait_window "$CAPTION" > /dev/null
sleep 0.5
xdotool search --onlyvisible --name "^$QVZ_APP_NAME\$" > /dev/null && fail "a corrupt settings file brought a message"
echo "update reminder: ok"
