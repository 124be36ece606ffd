# SPDX-License-Identifier: MIT
# Shared set-up of tools/test, tools/run and tools/package: install what is
# missing, configure. Sourced, not run.

TRELLIS_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation
  xvfb xauth libx11-dev libxtst-dev openbox
  desktop-file-utils shared-mime-info dpkg-dev
  nlohmann-json3-dev libpugixml-dev libminizip-dev
  python3
  poppler-utils
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

# The Release build of tools/run and tools/package, configured once; the words
# of TRELLIS_CMAKE_ARGS are passed to CMake, at the first configure or later.
trellis_configure_release() {
  local root=$1 build=$2
  local -a args
  read -r -a args <<<"${TRELLIS_CMAKE_ARGS:-}"
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DTRELLIS_TESTS=OFF -DTRELLIS_BENCH=OFF "${args[@]}"
  elif [ ${#args[@]} -gt 0 ]; then
    cmake "$build" "${args[@]}"
  fi
}
