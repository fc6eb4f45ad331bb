#!/usr/bin/env bash
# Builds the Debian package: the program built with Debian's build flags (dpkg-buildflags:
# hardening, optimisation, debug information) in build-deb/, then packed by CPack into
# build-deb/pellmora_VERSION_ARCH.deb and its debug symbols into pellmora-dbgsym_VERSION_ARCH.ddeb.
# Usage: scripts/make-deb.sh
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
pellmora_install_missing
dir=build-deb
eval "$(dpkg-buildflags --export=sh)"
# CMake reads no CPPFLAGS: the preprocessor's part (fortified functions) goes with the compiler's.
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target pellmora pellmora_compressed_docs
rm -f "$dir"/pellmora_*.deb "$dir"/pellmora-dbgsym_*.ddeb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/pellmora_*.deb "$dir"/pellmora-dbgsym_*.ddeb
