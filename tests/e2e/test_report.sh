#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# Alt+S opens the report, which offers neither minimise nor maximise; the real dialog refuses a name in a missing folder and stays
# open; saving it then writes an RTF file that another reader opens with the title and
# headings; Esc leaves the report open, its close box closes it, and the main window
# takes input again.
source "$(dirname "$0")/lib.sh" "$@"

start_app
main=$(wait_window "$CAPTION")
press "$main" alt+s
report=$(wait_other_window "$CAPTION" "$main")
fixed_frame "$report"

press "$report" alt+s
dialog=$(wait_window "Save Your Rashi Details")
press "$dialog" ctrl+a
xdotool type --delay 10 "$WORK/no such folder/my report"
xdotool key Return
refusal=$(wait_other_window "Save Your Rashi Details" "$dialog")
press "$refusal" Return
sleep 0.5
xdotool search --onlyvisible --name '^Save Your Rashi Details$' | grep -qx "$dialog" ||
    fail "the dialog closed on a name in a missing folder"
[ -e "$WORK/no such folder" ] && fail "a missing folder was created"
press "$dialog" ctrl+a
xdotool type --delay 10 "$WORK/my report"
xdotool key Return
for _ in $(seq 50); do [ -s "$WORK/my report.rtf" ] && break; sleep 0.1; done
[ -s "$WORK/my report.rtf" ] || fail "no file was saved (the name gets .rtf appended)"
head -c 5 "$WORK/my report.rtf" | grep -q '{\\rtf' || fail "the saved file is not RTF"
text=$(unrtf --text "$WORK/my report.rtf" 2> /dev/null)
grep -qx 'Libra' <<< "$text" || fail "no title in the saved report"
for heading in "Planets Associated" "Compatibility Traits" "Libra As Family" "Famous Personalities"; do
    grep -qx "$heading" <<< "$text" || fail "no heading '$heading' in the saved report"
done

press "$report" Escape
sleep 0.5
xdotool search --onlyvisible --name "^$CAPTION\$" | grep -qx "$report" ||
    fail "Esc closed the report"
close_window "$report"
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$CAPTION\$" | grep -qx "$report" || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^$CAPTION\$" | grep -qx "$report" &&
    fail "the close box did not close the report"
press "$main" alt+d
wait_opened 'page=donate$'
echo "report: ok"
