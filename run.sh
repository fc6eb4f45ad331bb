#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Pellmora.
set -eu
cd "$(dirname "$0")"
. scripts/deps.sh
pellmora_install_missing
pellmora_build dev
exec build/pellmora "$@"
