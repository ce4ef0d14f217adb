#!/usr/bin/env bash
# Installs what is missing, builds, creates the demo company database beside the
# program with a configuration file that points at it, and starts the program.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
build_project
"$BUILD/tarvelo_demo_db" --out "$BUILD/tarvelo-demo.db" --config "$BUILD/Tarvelo.zav"
exec "$BUILD/tarvelo" "$@"
