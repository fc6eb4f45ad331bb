#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Pellmora.
set -eu
cd "$(dirname "$0")"
. scripts/deps.sh
pellmora_install_missing
# The program alone: the test programs are test.sh's business.
pellmora_build dev pellmora
# A first start gets an emulator folder with two playable games; an existing setup (or a
# portable one beside the executable) is left as it is.
if [ ! -f build/Pellmora.INI ]; then
    bash scripts/newcomer-setup.sh || echo "run.sh: the newcomer setup failed; starting anyway" >&2
fi
exec build/pellmora "$@"
