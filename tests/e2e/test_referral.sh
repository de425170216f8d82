#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# On the exit screen, a filled-in form sent with Alt+N opens one referral address
# whose values read back exactly as typed, "&" and spaces included.
source "$(dirname "$0")/lib.sh" "$@"

start_app
main=$(wait_window "$CAPTION")
close_window "$main"
screen=$(wait_other_window "$CAPTION" "$main")
sleep 0.5

# The form's frame starts at (8, 216); its boxes are 225 x 19 pixels.
click "$screen" 120 249
xdotool type --delay 20 'Ann & Bob'
click "$screen" 360 249
xdotool type --delay 20 'ann@example.org'
click "$screen" 120 273
xdotool type --delay 20 'Cy'
click "$screen" 360 273
xdotool type --delay 20 'cy@example.org'
xdotool key --clearmodifiers alt+n

wait_opened 'page=qvos-refer-a-friend'
[ "$(wc -l < "$OPENED")" -eq 1 ] || fail "more than one address opened: $(cat "$OPENED")"
address=$(cat "$OPENED")
taf1=$(sed -n 's/.*[?&]taf1=\([^&]*\).*/\1/p' <<< "$address")
[ "$(url_decode "$taf1")" = "Ann & Bob" ] || fail "taf1 reads '$(url_decode "$taf1")' in $address"
taf5=$(sed -n 's/.*[?&]taf5=\([^&]*\).*/\1/p' <<< "$address")
[ "$(url_decode "$taf5")" = "cy@example.org" ] || fail "taf5 in $address"
alive "$APP_PID" || fail "sending the referral ended the program"
echo "referral: ok"
