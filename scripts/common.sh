# Shared by run-demo.sh and test.sh: installs what is missing, then configures and builds.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${TARVELO_BUILD_DIR:-$ROOT/build}

PACKAGES=(
  cmake g++ make
  qt6-base-dev libqt6sql6-sqlite libgl-dev qt6-translations-l10n
  libsqlite3-dev libicu-dev unixodbc unixodbc-dev tdsodbc libsqliteodbc
  googletest libgtest-dev libgmock-dev
  python3 python3-xlrd python3-xlwt poppler-utils tzdata
)

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

build_project() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD" -j"$(nproc)"
}
