# Shared by ./run and ./test: install what is missing, configure and build.
# Sourced, not run; expects TALLYHAWK_ROOT to be the repository root.

# qt6-tools-dev and qt6-l10n-tools: Qt's translation tools (lupdate, lrelease) and their CMake functions;
# qt6-translations-l10n: Qt's own dialogs in Russian; dpkg-dev and file: the Debian package's dependencies;
# librsvg2-bin: scripts/render_icons.sh; libhamlib-dev and libhamlib-utils: the radio (rigctld for the tests).
TALLYHAWK_PACKAGES=(build-essential cmake ninja-build ccache clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-multimedia-dev hamradio-files
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n dpkg-dev file librsvg2-bin
  python3 libhamlib-dev libhamlib-utils)

tallyhawk_install_packages() {
  local missing=()
  for package in "${TALLYHAWK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# tallyhawk_build BUILD_DIR BUILD_TYPE [extra cmake arguments...]
tallyhawk_build() {
  local dir=$1 type=$2
  shift 2
  cmake -S "$TALLYHAWK_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
