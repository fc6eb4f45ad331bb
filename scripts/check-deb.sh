#!/usr/bin/env bash
# Packs a build into the Debian package as scripts/make-deb.sh does, unpacks it into a scratch
# root with dpkg -x and checks it: the control fields (Depends from dpkg-shlibdeps, Recommends:
# mame), the stripped program and its debug symbols in the -dbgsym package, the desktop entry,
# the icons, the AppStream metadata (appstreamcli), the manual page (man, lexgrog), the
# documents, and lintian on the package. Exits 77 (skipped) when a checking tool is missing
# and nothing failed.
# Usage: scripts/check-deb.sh BUILD_DIR
set -eu
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
skipped=0
fail() { echo "FAIL: $*"; status=1; }
have() {
    command -v "$1" >/dev/null && return 0
    echo "SKIP: $1 is not installed (Debian package $2): $3 not checked"
    skipped=1
    return 1
}

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || { echo "FAIL: no package version in $build/CPackConfig.cmake"; exit 1; }
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >cpack.log 2>&1) ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
arch=$(dpkg --print-architecture)
deb="$work/pellmora_${version}_${arch}.deb"
ddeb="$work/pellmora-dbgsym_${version}_${arch}.ddeb"
[ -f "$deb" ] || { ls "$work"; echo "FAIL: $(basename "$deb") not made"; exit 1; }

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pellmora ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6dbus6 libarchive13; do
    echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qxF "$lib" || fail "Depends lacks $lib: $depends"
done
echo "$depends" | grep -q '(>= ' || fail "Depends has no versions, so dpkg-shlibdeps did not make it: $depends"
echo "$(field Recommends)" | grep -Eq '(^|, )mame(,|$| )' || fail "Recommends lacks mame: $(field Recommends)"

root="$work/root"
dpkg -x "$deb" "$root"

[ -e "$root/usr/bin" ] && fail "usr/bin is in the package: the program belongs in usr/games"

# The program: stripped, its debug information in the -dbgsym package under its build id.
program="$root/usr/games/pellmora"
if [ ! -x "$program" ]; then
    fail "usr/games/pellmora missing or not executable"
else
    readelf -S "$program" | grep -q '\.debug_info' && fail "usr/games/pellmora is not stripped"
    readelf -S "$program" | grep -q '\.symtab' && fail "usr/games/pellmora keeps its symbol table"
    build_id=$(readelf -n "$program" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
    if [ -z "$build_id" ]; then
        fail "usr/games/pellmora has no build id"
    elif [ ! -f "$ddeb" ]; then
        fail "$(basename "$ddeb") not made"
    else
        dpkg -x "$ddeb" "$work/dbgsym"
        debug="$work/dbgsym/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug"
        if [ ! -f "$debug" ]; then
            fail "the -dbgsym package has no $(basename "$debug") for the program's build id"
        else
            readelf -S "$debug" 2>/dev/null | grep -q '\.debug_info' || fail "the debug file holds no debug information"
        fi
        [ "$(dpkg-deb -f "$ddeb" Depends)" = "pellmora (= $version)" ] ||
            fail "dbgsym Depends: $(dpkg-deb -f "$ddeb" Depends)"
    fi
fi

# Desktop entry, icons, metadata.
entry="$root/usr/share/applications/example.pellmora.pellmora.desktop"
if [ ! -f "$entry" ]; then
    fail "usr/share/applications/example.pellmora.pellmora.desktop missing"
elif have desktop-file-validate desktop-file-utils "the desktop entry"; then
    report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
fi
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/pellmora.png" ] || fail "icon ${size}x${size} missing"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/pellmora.svg" ] || fail "scalable icon missing"
metainfo="$root/usr/share/metainfo/example.pellmora.pellmora.metainfo.xml"
if [ ! -f "$metainfo" ]; then
    fail "usr/share/metainfo/example.pellmora.pellmora.metainfo.xml missing"
else
    grep -q '<id>example.pellmora.pellmora</id>' "$metainfo" || fail "the metainfo's id is not the desktop entry's name"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
    if have appstreamcli appstream "the AppStream metadata"; then
        report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
    fi
fi

# Manual page.
man="$root/usr/share/man/man6/pellmora.6.gz"
if [ ! -f "$man" ]; then
    fail "usr/share/man/man6/pellmora.6.gz missing"
else
    zcat "$man" | grep -q "^\.TH PELLMORA 6 .*\"Pellmora $version\"" || fail "the manual page is not of version $version"
    if have man man-db "the manual page"; then
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "man --warnings: $warnings"
        lexgrog "$man" | grep -q ': "pellmora - ' || fail "lexgrog finds no whatis entry: $(lexgrog "$man" 2>&1)"
    fi
fi

# Documents Debian requires.
[ -f "$root/usr/share/doc/pellmora/copyright" ] || fail "usr/share/doc/pellmora/copyright missing"
if [ -f "$root/usr/share/doc/pellmora/changelog.gz" ]; then
    zcat "$root/usr/share/doc/pellmora/changelog.gz" | head -1 | grep -q "^pellmora ($version) " ||
        fail "the changelog's latest entry is not version $version"
else
    fail "usr/share/doc/pellmora/changelog.gz missing"
fi

# Lintian: no error and no warning that the package's overrides do not justify.
if have lintian lintian "the package's policy"; then
    # Lintian's note that it runs as root is about the checking machine, not the package.
    report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"
    report=$(echo "$report" | grep -v 'running with root privileges is not recommended' || true)
    [ -z "$report" ] || echo "lintian: $report"
fi

if [ $status -eq 0 ]; then
    echo "package pellmora $version: fields, stripped program and debug symbols, desktop entry, icons, metadata, manual page"
    [ $skipped -eq 1 ] && exit 77
fi
exit $status
