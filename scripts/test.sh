#!/usr/bin/env bash
# Builds the checkers and runs every test: the unit tests and the end-to-end
# golden cases. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --workflow --preset native
