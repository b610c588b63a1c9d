# Shared by the project's scripts: installing what the build needs and
# configuring the build tree. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${QUORVEL_BUILD_DIR:-$ROOT/build}

# Debian packages the build and the tests need.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev
  libboost-dev libchm-dev fp-utils fonts-dejavu-core fonts-dejavu-extra)

# Installs the named Debian packages that are not installed yet.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing ${missing[*]} ..." >&2
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 update -q >&2
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 \
    install -y -q --no-install-recommends "${missing[@]}" >&2
}

# Configures (once) and builds the given targets, or everything.
build() {
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
  fi
  cmake --build "$BUILD_DIR" ${1:+--target "$@"} >&2
}
