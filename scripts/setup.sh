# Shared set-up of ./run, ./test and ./bench: install missing Debian
# packages, configure and build.  Environment:
#   ALMUCAN_BUILD_DIR  build folder (default build)
#   ALMUCAN_CMAKE_ARGS extra arguments for cmake
#   ALMUCAN_WITH_QT    ON (default) or OFF
#   ALMUCAN_WERROR     OFF (default) or ON

almucan_packages() {
  local pkgs=(cmake g++ make libcli11-dev libgtest-dev libbenchmark-dev libnova-dev poppler-utils hyperfine time)
  # Named time zones: the system's zone files, date/tz's rule reader
  # (date/ptz.h); the zone test's independent reader, Python's zoneinfo.
  pkgs+=(libhowardhinnant-date-dev tzdata python3)
  # Installation and package checks: icon rendering, desktop entry and manual
  # page validation, dpkg-shlibdeps; the iCalendar test's independent parser.
  pkgs+=(librsvg2-bin desktop-file-utils man-db file dpkg-dev python3-icalendar)
  if [ "${ALMUCAN_WITH_QT:-ON}" = "ON" ]; then
    pkgs+=(qt6-base-dev fonts-dejavu-core)
    # The print test's private print system: cupsd, lpadmin and lpstat, and
    # the CUPS-PDF queue that writes each job into a PDF file.
    pkgs+=(cups cups-client printer-driver-cups-pdf)
  fi
  printf '%s\n' "${pkgs[@]}"
}

almucan_install() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

almucan_setup() {
  local pk
  mapfile -t pk < <(almucan_packages)
  almucan_install "${pk[@]}"
  local dir="${ALMUCAN_BUILD_DIR:-build}"
  local args=(-DALMUCAN_WITH_QT="${ALMUCAN_WITH_QT:-ON}" -DALMUCAN_WERROR="${ALMUCAN_WERROR:-OFF}" -DALMUCAN_BUILD_TESTS=ON)
  # A compiler cache, where one is installed, shares objects between build
  # folders and rebuilds.
  command -v ccache >/dev/null && args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # shellcheck disable=SC2206
  args+=(${ALMUCAN_CMAKE_ARGS:-})
  local stamp="$dir/.almucan-config-args"
  if [ ! -f "$dir/CMakeCache.txt" ] || [ "$(cat "$stamp" 2>/dev/null)" != "${args[*]}" ]; then
    cmake -S . -B "$dir" "${args[@]}" >/dev/null
    echo "${args[*]}" > "$stamp"
  fi
  cmake --build "$dir" -j"$(nproc)" >&2
}
