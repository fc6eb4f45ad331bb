#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite twice: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build; then a few seconds of each fuzz target.
set -eu
cd "$(dirname "$0")"
. scripts/deps.sh
pellmora_install_missing "${PELLMORA_FUZZ_PACKAGES[@]}"
status=0
for preset in dev asan; do
    dir=build
    [ "$preset" = asan ] && dir=build-asan
    echo "== $preset build"
    pellmora_build "$preset"
    echo "== $preset tests"
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j 2 || status=1
done
echo "== fuzz short pass"
pellmora_build fuzz fuzz
ctest --test-dir build-fuzz/fuzz --output-on-failure -j 2 || status=1
exit $status
