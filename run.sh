#!/bin/sh
# Installs what is needed, builds, and starts the program with its embedded database.
set -e
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
exec build/program/vornik "$@"
