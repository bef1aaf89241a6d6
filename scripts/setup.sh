# Shared set-up of ./run, ./test and ./bench: install missing Debian
# packages, configure and build.  Environment:
#   ALMUCAN_BUILD_DIR  build folder (default build)
#   ALMUCAN_CMAKE_ARGS extra arguments for cmake
#   ALMUCAN_WITH_QT    ON (default) or OFF
#   ALMUCAN_WERROR     OFF (default) or ON

# The packages to build and run the program; with "all" also those of the
# tests, benchmarks and package checks.
almucan_packages() {
  local pkgs=(cmake g++ make libcli11-dev nlohmann-json3-dev)
  # Named time zones: date/tz (compiled libdate-tz on the system database).
  pkgs+=(libhowardhinnant-date-dev tzdata)
  # Places by name: the geonames city database.
  pkgs+=(libgeonames-dev)
  # The precise ephemeris: ERFA, the IAU's SOFA routines.
  pkgs+=(liberfa-dev)
  # The window: Qt, its font, and the translation tools (lrelease) with
  # Qt's own translations of its dialogs.
  [ "${ALMUCAN_WITH_QT:-ON}" = "ON" ] && pkgs+=(qt6-base-dev fonts-dejavu-core qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
  if [ "${1:-all}" = "all" ]; then
    pkgs+=(libgtest-dev libbenchmark-dev libnova-dev poppler-utils hyperfine time)
    # The print test's own print system: CUPS's daemon alone.
    pkgs+=(cups-daemon)
    # Installation and package checks: icon rendering, desktop entry, manual
    # page and AppStream validation, dpkg-shlibdeps, lintian; the iCalendar
    # test's independent parser.
    pkgs+=(librsvg2-bin desktop-file-utils man-db file dpkg-dev appstream lintian python3-icalendar)
    # The locale test run (German number and date forms); setpriv runs the
    # permission tests as an ordinary user when they run as root.
    pkgs+=(locales util-linux)
    # The zone test's independent reader of the zone files: Python's zoneinfo.
    pkgs+=(python3)
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

# The German locale of the locale test run, generated once.
almucan_locale() {
  locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

# almucan_setup [program]: "program" (./run) installs and builds only what
# the program needs, configuring without the tests unless the folder is
# already configured with them; without it (./test, ./bench) everything.
almucan_setup() {
  local mode="${1:-all}"
  local pk
  mapfile -t pk < <(almucan_packages "$mode")
  almucan_install "${pk[@]}"
  if [ "$mode" = "all" ]; then almucan_locale; fi
  local dir="${ALMUCAN_BUILD_DIR:-build}"
  local args=(-DALMUCAN_WITH_QT="${ALMUCAN_WITH_QT:-ON}" -DALMUCAN_WERROR="${ALMUCAN_WERROR:-OFF}")
  # A compiler cache, where one is installed, shares objects between build
  # folders and rebuilds.
  command -v ccache >/dev/null && args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # shellcheck disable=SC2206
  args+=(${ALMUCAN_CMAKE_ARGS:-})
  local all=("${args[@]}" -DALMUCAN_BUILD_TESTS=ON)
  local stamp="$dir/.almucan-config-args" want
  if [ "$mode" = program ]; then
    want="${args[*]} -DALMUCAN_BUILD_TESTS=OFF"
    # A folder configured by ./test (with or without the tests and warnings
    # as errors, which do not change the program) builds the program as it is.
    local have
    have=$(cat "$stamp" 2>/dev/null || true)
    local same='s/ *-DALMUCAN_(WERROR|BUILD_TESTS)=[A-Z]*//g'
    [ -f "$dir/CMakeCache.txt" ] && [ "$(sed -E "$same" <<<"$have")" = "$(sed -E "$same" <<<"$want")" ] && want="$have"
  else
    want="${all[*]}"
  fi
  if [ ! -f "$dir/CMakeCache.txt" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$want" ]; then
    # shellcheck disable=SC2086
    cmake -S . -B "$dir" $want >/dev/null
    echo "$want" > "$stamp"
  fi
  if [ "$mode" = program ]; then
    cmake --build "$dir" -j"$(nproc)" --target almucan >&2
  else
    cmake --build "$dir" -j"$(nproc)" >&2
  fi
}
