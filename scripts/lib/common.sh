# Shared by scripts/run and scripts/test: the Debian packages the project
# needs, installed only when missing, and the CMake configure-and-build step.

VELINOR_PACKAGES=(cmake ninja-build g++ ccache qt6-base-dev qt6-translations-l10n qt6-tools-dev
                  libgl-dev fonts-liberation2 fonts-dejavu-core xvfb xauth imagemagick poppler-utils
                  libmagick++-6.q16-dev libmagickcore-6.q16-6-extra fonts-urw-base35 pkg-config libbenchmark-dev
                  clang-format qt6-image-formats-plugins libheif-dev)

# What scripts/check-package needs besides: CPack's dependency finder and the checkers
# of a Debian package, its menu entry and its metainfo. CI installs them.
VELINOR_CHECK_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)

velinor_root() {
  cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd
}

# ensure_packages [PACKAGE...]: the project's packages, or the ones given.
ensure_packages() {
  local wanted=("$@")
  [ ${#wanted[@]} -gt 0 ] || wanted=("${VELINOR_PACKAGES[@]}")
  local missing=()
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get -o DPkg::Lock::Timeout=300 update -qq
  $sudo apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR CMAKE_ARGS...
configure_and_build() {
  local build_dir=$1
  shift
  local root
  root=$(velinor_root)
  # Paths relative to the checkout and no working folder in the hash, so that a
  # fresh clone (as CI makes) finds this machine's compiler cache.
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
  if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S "$root" -B "$build_dir" -G Ninja "$@"
  fi
  cmake --build "$build_dir" --parallel "$(nproc)"
}
