#!/usr/bin/env bash
# Installs what is missing, builds the program and the demo company's generator,
# creates the demo company database beside the program with a configuration file
# that points at it, and starts the program.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
build_project tarvelo tarvelo_demo_db
# Made once, so what the user changes in the demo company stays for the next start.
if [ ! -f "$BUILD/tarvelo-demo.db" ] || [ ! -f "$BUILD/Tarvelo.zav" ]; then
  "$BUILD/tarvelo_demo_db" --out "$BUILD/tarvelo-demo.db" --config "$BUILD/Tarvelo.zav"
fi
exec "$BUILD/tarvelo" "$@"
