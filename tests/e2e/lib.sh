# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# Shared set-up of the whole-process tests: a private Xvfb display, private HOME and
# XDG folders, and a stand-in xdg-open that records every address it is given.
# Source it with the program's path as $1 and qvz-xclose's as $2. Every wait is bounded.
# The program's identity comes from CMake through CTest's environment (QVZ_APP_NAME, ...).
set -euo pipefail

: "${QVZ_APP_NAME:?set by CTest}" "${QVZ_VERSION:?set by CTest}" "${QVZ_EXECUTABLE:?set by CTest}"
# Caption of every window of the program.
CAPTION="$QVZ_APP_NAME v$QVZ_VERSION"

APP=$(readlink -f "$1")
XCLOSE=$(readlink -f "$2")
WORK=$(mktemp -d)
OPENED=$WORK/opened.txt
PIDS=()
declare -A STATUS_FILES

cleanup() {
    local status=$?
    for pid in "${PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    # A file system a test mounted in its folder.
    [ -n "${MOUNTED:-}" ] && umount -l "$MOUNTED"
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in "$WORK"/app-*.log "$WORK"/xvfb.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log"):"; tail -n 20 "$log"; } >&2
    done
    [ -n "${XVFB_PID:-}" ] && ! kill -0 "$XVFB_PID" 2> /dev/null && echo "--- Xvfb has ended" >&2
    exit 1
}

export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data
export XDG_CACHE_HOME=$WORK/cache XDG_RUNTIME_DIR=$WORK/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$WORK/bin"
mkdir -m 700 "$XDG_RUNTIME_DIR"
touch "$OPENED"
cat > "$WORK/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$1" >> "$OPENED"
STANDIN
chmod +x "$WORK/bin/xdg-open"
export PATH=$WORK/bin:$PATH
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DESKTOP_SESSION XDG_CURRENT_DESKTOP
export QT_QPA_PLATFORM=xcb

SETTINGS_FILE=$XDG_CONFIG_HOME/$QVZ_EXECUTABLE/$QVZ_EXECUTABLE.ini

exec 3> "$WORK/display"
# -noreset: by default the server resets when its last client goes, and refuses the
# next one meanwhile; tests that kill the program and start it again would then fail.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset > "$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$WORK/display")

# start_app: runs the program in the background; its pid is in APP_PID. A watcher
# records its exit status in $WORK/status.PID, so that killing it stays quiet.
start_app() {
    local n=${#PIDS[@]}
    (
        "$APP" > "$WORK/app-$n.log" 2>&1 &
        echo $! > "$WORK/pid-$n"
        wait $! && echo 0 > "$WORK/status-$n" || echo $? > "$WORK/status-$n"
    ) 2> /dev/null &
    for _ in $(seq 50); do [ -s "$WORK/pid-$n" ] && break; sleep 0.02; done
    APP_PID=$(cat "$WORK/pid-$n")
    APP_STATUS_FILE=$WORK/status-$n
    PIDS+=("$APP_PID")
    STATUS_FILES[$APP_PID]=$APP_STATUS_FILE
}

# wait_window TITLE [SECONDS]: prints the id of a visible window whose title is TITLE.
# Gives up at once when the program last started has ended.
wait_window() {
    local title=$1 limit=${2:-20} id
    for _ in $(seq $((limit * 10))); do
        if [ -n "${APP_STATUS_FILE:-}" ] && [ -s "$APP_STATUS_FILE" ]; then
            fail "the program ended with status $(cat "$APP_STATUS_FILE") before '$title' appeared"
        fi
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window titled '$title' within ${limit}s"
}

# press WINDOW KEY...: gives WINDOW the keyboard focus and types the keys.
press() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 0.2
    xdotool key --clearmodifiers "$@"
}

# wait_exit PID [SECONDS]: waits for PID to end and sets EXIT_STATUS.
wait_exit() {
    local pid=$1 limit=${2:-10}
    for _ in $(seq $((limit * 10))); do
        if [ -s "${STATUS_FILES[$pid]}" ]; then
            EXIT_STATUS=$(cat "${STATUS_FILES[$pid]}")
            return 0
        fi
        sleep 0.1
    done
    fail "process $pid still running after ${limit}s"
}

alive() {
    kill -0 "$1" 2>/dev/null
}

# close_window WINDOW: what the close box of a window manager does.
close_window() {
    "$XCLOSE" "$1"
}

# wait_other_window TITLE OLD-ID [SECONDS]: prints the id of a visible window titled
# TITLE other than OLD-ID.
wait_other_window() {
    local title=$1 old=$2 limit=${3:-20} id
    for _ in $(seq $((limit * 10))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | grep -vx "$old" | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no new window titled '$title' within ${limit}s"
}

# wait_opened PATTERN [SECONDS]: waits until the stand-in browser got a matching address.
wait_opened() {
    local pattern=$1 limit=${2:-10}
    for _ in $(seq $((limit * 10))); do
        grep -qE "$pattern" "$OPENED" && return 0
        sleep 0.1
    done
    fail "no address matching '$pattern' was opened; opened: $(cat "$OPENED")"
}

# setting KEY: the value stored under KEY in the program's settings file.
setting() {
    sed -n "s/^$1=//p" "$SETTINGS_FILE" 2>/dev/null
}

# click WINDOW X Y: a left click at a point of WINDOW's client area.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.2
}

# fixed_frame WINDOW: fails unless the hints the window gives an X window manager
# (_MOTIF_WM_HINTS, the only ones Qt sets) leave out minimise and maximise, both as
# actions (functions 8, 16, or 1 for all) and as title-bar buttons (decorations 32, 64, 1).
fixed_frame() {
    local hints flags functions decorations
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r flags functions decorations _ <<< "$hints"
    # Without both flags the window manager offers everything.
    (((flags & 3) == 3 && !(functions & 0x19) && !(decorations & 0x61))) ||
        fail "window $1 offers minimise or maximise: _MOTIF_WM_HINTS = $hints"
}

# url_decode TEXT: TEXT with its %XX escapes decoded.
url_decode() {
    printf '%b' "${1//%/\\x}"
}
