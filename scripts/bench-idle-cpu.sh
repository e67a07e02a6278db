#!/usr/bin/env bash
# Idle CPU of the game, music on and off: the "idle" part of scripts/bench.sh, which builds a
# release, runs the real program on a virtual display with a private sound server and prints
# the figures against their budgets. INTERVAL (seconds measured, default 20) is still read.
set -euo pipefail
export IDLE_SECONDS=${IDLE_SECONDS:-${INTERVAL:-20}}
exec bash "$(dirname "${BASH_SOURCE[0]}")/bench.sh" idle
