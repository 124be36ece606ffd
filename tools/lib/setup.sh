# Shared set-up of tools/test and tools/run: install what is missing, nothing else.
# Sourced, not run.

TRELLIS_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation
  xvfb xauth libx11-dev libxtst-dev
)

trellis_missing_packages() {
  local pkg missing=()
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$'; then
      missing+=("$pkg")
    fi
  done
  echo "${missing[@]}"
}

trellis_install_packages() {
  local missing
  missing=$(trellis_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local sudo=()
  if [ "$(id -u)" != 0 ]; then
    command -v sudo >/dev/null || { echo "error: need root or sudo to install: $missing" >&2; return 1; }
    sudo=(sudo)
  fi
  # shellcheck disable=SC2086
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

trellis_jobs() {
  nproc 2>/dev/null || echo 2
}
