#!/usr/bin/env bash
# Fails when a C++ file of src/, tests/, bench/ or fuzz/ is not as clang-format (.clang-format at
# the root) would write it; prints each difference. Run `clang-format -i FILE` to mend one.
set -eu
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed (scripts/deps.sh installs it)" >&2
    exit 1
fi
find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror
