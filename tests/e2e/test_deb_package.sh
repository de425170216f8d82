#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# The Debian package, as a user gets it: built with cpack from this build folder,
# passed by lintian, installed with apt, its desktop entry and AppStream metadata
# valid and tied together, its manual page readable by man, and the installed
# program starting to its main window. The package is removed again however the
# test ends. Installing needs root: skipped (77) otherwise.
set -euo pipefail

INSTALLED=/usr/bin/${QVZ_EXECUTABLE:?set by CTest}
RESOURCES=$(readlink -f "$(dirname "$0")/../../resources")

skip() {
    echo "SKIP: $*"
    exit 77
}

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v apt-get > /dev/null || skip "this system has no apt-get"

# The program sits in the build folder, or one level below it with multi-config generators.
BUILD_DIR=$(dirname "$(readlink -f "$1")")
[ -f "$BUILD_DIR/CPackConfig.cmake" ] || BUILD_DIR=$(dirname "$BUILD_DIR")
[ -f "$BUILD_DIR/CPackConfig.cmake" ] || { echo "FAIL: no CPackConfig.cmake near $1" >&2; exit 1; }
PACKAGE=$(sed -n 's/^set(CPACK_PACKAGE_NAME "\(.*\)")$/\1/p' "$BUILD_DIR/CPackConfig.cmake")
[ -n "$PACKAGE" ] || { echo "FAIL: no package name in $BUILD_DIR/CPackConfig.cmake" >&2; exit 1; }

if dpkg-query -W -f='${Status}' "$PACKAGE" 2> /dev/null | grep -q 'install ok installed'; then
    skip "$PACKAGE is installed already, and this test would remove it"
fi
[ -e "$INSTALLED" ] && skip "$INSTALLED exists already and is not this test's to replace"
for tool in cpack lintian man desktop-file-validate appstreamcli; do
    command -v "$tool" > /dev/null || { echo "FAIL: $tool is missing (scripts/install-deps)" >&2; exit 1; }
done

source "$(dirname "$0")/lib.sh" "$INSTALLED" "$2"

APT=(apt-get -y -q -o DPkg::Lock::Timeout=120)
export DEBIAN_FRONTEND=noninteractive

# Runs before lib.sh's cleanup: the program must be gone before its package is.
finish() {
    local status=$?
    set +e
    for pid in "${PIDS[@]}"; do kill -9 "$pid" 2> /dev/null; done
    if dpkg-query -W -f='${Status}' "$PACKAGE" 2> /dev/null | grep -q 'installed'; then
        if ! "${APT[@]}" purge "$PACKAGE" > "$WORK/purge.log" 2>&1 || [ -e "$INSTALLED" ]; then
            cat "$WORK/purge.log" >&2
            echo "FAIL: removing $PACKAGE left $INSTALLED behind" >&2
            status=1
        fi
    fi
    (exit "$status")
    cleanup
}
trap finish EXIT

cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/deb" > "$WORK/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$WORK/cpack.log")"
debs=("$WORK"/deb/"$PACKAGE"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single $PACKAGE .deb: ${debs[*]}"
# What Debian asks of a package: copyright, changelog, manual page, description.
lintian --fail-on error,warning "${debs[0]}" > "$WORK/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$WORK/lintian.log")"
"${APT[@]}" install "${debs[0]}" > "$WORK/install.log" 2>&1 ||
    fail "apt-get install: $(cat "$WORK/install.log")"

# dpkg-shlibdeps must have turned the linked Qt libraries into dependencies.
depends=$(dpkg-query -W -f='${Depends}' "$PACKAGE")
for library in libqt6widgets6 libqt6printsupport6; do
    grep -q "$library" <<< "$depends" || fail "no dependency on $library: $depends"
done

# One desktop entry and one AppStream file, both valid and naming each other.
mapfile -t desktops < <(dpkg -L "$PACKAGE" | grep '^/usr/share/applications/.*\.desktop$')
[ ${#desktops[@]} -eq 1 ] || fail "expected one desktop entry: ${desktops[*]}"
desktop=${desktops[0]}
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Name)" = "$QVZ_APP_NAME" ] || fail "desktop Name is '$(entry Name)'"
[ "$(command -v "$(entry Exec)")" = "$INSTALLED" ] || fail "desktop Exec '$(entry Exec)' is not $INSTALLED"

mapfile -t metainfos < <(dpkg -L "$PACKAGE" | grep '^/usr/share/metainfo/.*\.metainfo\.xml$')
[ ${#metainfos[@]} -eq 1 ] || fail "expected one AppStream file: ${metainfos[*]}"
metainfo=${metainfos[0]}
# Pedantic too; the one remark allowed is that the id's first label, the reserved
# name "example", is no real top-level domain.
appstreamcli validate --no-net --pedantic "$metainfo" > "$WORK/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$WORK/appstream.log")"
remarks=$(grep -E '^[EWIP]: ' "$WORK/appstream.log" | grep -v ': cid-maybe-not-rdns ' || true)
[ -z "$remarks" ] || fail "appstreamcli validate --pedantic: $(cat "$WORK/appstream.log")"
id=$(sed -n 's|.*<id>\([^<]*\)</id>.*|\1|p' "$metainfo")
[ "$id" = "${QVZ_APP_ID:?set by CTest}" ] || fail "the AppStream id '$id' is not $QVZ_APP_ID"
for name in "$(basename "$desktop" .desktop)" "$(basename "$metainfo" .metainfo.xml)" "$(entry Icon)"; do
    [ "$name" = "$id" ] || fail "'$name' among the installed names differs from the AppStream id '$id'"
done
launchable=$(sed -n 's|.*<launchable type="desktop-id">\([^<]*\)</launchable>.*|\1|p' "$metainfo")
[ "$launchable" = "$(basename "$desktop")" ] ||
    fail "AppStream launches '$launchable', the entry is $(basename "$desktop")"
grep -q "<release version=\"$QVZ_VERSION\"" "$metainfo" || fail "AppStream has no release $QVZ_VERSION"

# Every drawn icon size is in the theme under the entry's icon name, unchanged.
for drawn in "$RESOURCES"/icon-*.png; do
    size=$(basename "$drawn" .png)
    size=${size#icon-}
    themed=/usr/share/icons/hicolor/${size}x${size}/apps/$(entry Icon).png
    cmp -s "$drawn" "$themed" || fail "$themed is missing or differs from $drawn"
done

# The manual page is where man looks and formats without a complaint from groff.
[ "$(man -w "$QVZ_EXECUTABLE")" = "/usr/share/man/man1/$QVZ_EXECUTABLE.1.gz" ] ||
    fail "man finds no $QVZ_EXECUTABLE(1)"
MANWIDTH=200 man --warnings "$QVZ_EXECUTABLE" > "$WORK/man.txt" 2> "$WORK/man.log" &&
    [ ! -s "$WORK/man.log" ] || fail "man $QVZ_EXECUTABLE: $(cat "$WORK/man.log")"

# The installed program starts to its main window and keeps its settings under
# the executable's name; the manual page names the files it keeps as they are.
start_app
wait_window "$CAPTION" 30 > /dev/null
[ "$(readlink -f "/proc/$APP_PID/exe")" = "$INSTALLED" ] || fail "the window is not the installed program's"
[ -f "$SETTINGS_FILE" ] || fail "no settings at $SETTINGS_FILE"
grep -qx '\[Settings\]' "$SETTINGS_FILE" && grep -q '^Duration=' "$SETTINGS_FILE" ||
    fail "no Duration in group Settings: $(cat "$SETTINGS_FILE")"
locks=("$XDG_RUNTIME_DIR"/*.lock)
[ ${#locks[@]} -eq 1 ] && [ -f "${locks[0]}" ] || fail "expected one instance lock: ${locks[*]}"
for documented in "~/.config/${SETTINGS_FILE#"$XDG_CONFIG_HOME"/}" "[Settings]" Duration \
    "\$XDG_RUNTIME_DIR/$(basename "${locks[0]}")"; do
    grep -qF -- "$documented" "$WORK/man.txt" || fail "the manual page does not name $documented"
done
echo "deb package: ok"
