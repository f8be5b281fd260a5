#!/bin/sh
# Installs what is needed, builds, and runs every test on both database engines.
set -e
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
exec scripts/pg-test-cluster.sh ctest --test-dir build --output-on-failure -j2
