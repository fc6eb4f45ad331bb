#!/usr/bin/env bash
# Installs the Debian packages Pellmora needs, only when some are missing.
# Sourced by run.sh and test.sh; works as root and through sudo.
PELLMORA_PACKAGES=(cmake g++ make pkg-config clang-format qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libxcb1-dev libarchive-dev libboost-stacktrace-dev mame dbus-daemon
    dpkg-dev lintian appstream man-db desktop-file-utils)
# dpkg-dev (dpkg-shlibdeps) makes the Debian package; lintian, appstream, man-db and
# desktop-file-utils check it, its metadata, its manual page and its desktop entry.

# The suite's short fuzz pass: clang with libFuzzer and the sanitizer runtimes.
PELLMORA_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)

pellmora_install_missing() {
    local missing=() pkg
    for pkg in "${PELLMORA_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" || return 1
}

pellmora_build() {  # pellmora_build PRESET [TARGET...]
    local dir=build targets=()
    [ "$1" = asan ] && dir=build-asan
    [ "$1" = fuzz ] && dir=build-fuzz
    [ $# -gt 1 ] && targets=(--target "${@:2}")
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake --preset "$1" >/dev/null || return 1
    fi
    cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}
