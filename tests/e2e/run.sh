#!/usr/bin/env bash
# End-to-end tests of the real KELVARIN.EXE and OSTRAMEL.EXE under Wine and Xvfb, for the 32-bit
# and the 64-bit build (build/win32, build/win64; E2E_BUILD_WIN32 / E2E_BUILD_WIN64 point
# elsewhere). Screenshots go to artifacts/e2e/. Options: see `run.sh --help`.
set -euo pipefail
cd "$(dirname "$0")/../.."
export PYTHONDONTWRITEBYTECODE=1  # no __pycache__ in the source tree
exec python3 tests/e2e/harness.py "$@"
