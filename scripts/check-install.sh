#!/bin/sh
# Installs a build into a scratch prefix and checks what the desktop needs: the program in
# bin/, a desktop entry that desktop-file-validate accepts, and the icon in the hicolor theme
# at every size the entry's Icon= name is looked up at.
# Usage: scripts/check-install.sh BUILD_DIR
set -eu
build=${1:?usage: $0 BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
status=0
fail() { echo "FAIL: $*"; status=1; }

[ -x "$prefix/bin/pellmora" ] || fail "bin/pellmora missing or not executable"
entry="$prefix/share/applications/example.pellmora.pellmora.desktop"
if [ -f "$entry" ]; then
    if command -v desktop-file-validate >/dev/null; then
        report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
        [ -z "$report" ] || fail "desktop-file-validate: $report"
    else
        echo "desktop-file-validate not installed: entry not validated"
    fi
    grep -qx 'Exec=pellmora' "$entry" || fail "Exec= does not name the installed program"
    grep -qx 'Icon=pellmora' "$entry" || fail "Icon= does not name the installed icon"
else
    fail "share/applications/example.pellmora.pellmora.desktop missing"
fi
for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/pellmora.png"
    if [ ! -f "$icon" ]; then
        fail "icon ${size}x${size} missing"
    elif ! file "$icon" | grep -q "PNG image data, $size x $size"; then
        fail "icon ${size}x${size} is not a ${size}x${size} PNG: $(file -b "$icon")"
    fi
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/pellmora.svg" ] || fail "scalable icon missing"
[ $status -eq 0 ] && echo "installed: program, desktop entry, icons"
exit $status
