# Debian packages the project needs, and a function that installs the missing ones.
# Sourced by ./run and ./test.

QVS_PACKAGES=(
  g++ cmake ninja-build pkgconf
  qt6-base-dev qt6-charts-dev libgl-dev
  libcurl4-openssl-dev
  googletest libgtest-dev libgmock-dev
  curl iproute2 util-linux tinyproxy
  fonts-dejavu-core
)

qvs_missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q 'install ok installed' || printf '%s ' "$pkg"
  done
}

# qvs_ensure_packages PKG...: installs what is missing, as root or through sudo;
# otherwise prints the exact command to run and fails.
qvs_ensure_packages() {
  local missing
  missing=$(qvs_missing_packages "$@")
  [ -z "$missing" ] && return 0
  local cmd="apt-get install -y --no-install-recommends $missing"
  if [ "$(id -u)" = 0 ]; then
    echo "Installing: $missing"
    (apt-get update -qq && DEBIAN_FRONTEND=noninteractive $cmd -qq) >/dev/null || { echo "Failed: $cmd" >&2; return 1; }
  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    echo "Installing with sudo: $missing"
    (sudo apt-get update -qq && sudo DEBIAN_FRONTEND=noninteractive $cmd -qq) >/dev/null || { echo "Failed: sudo $cmd" >&2; return 1; }
  else
    echo "Some packages are missing. Install them with:" >&2
    echo "  sudo $cmd" >&2
    return 1
  fi
}
