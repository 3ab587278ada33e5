# shellcheck shell=bash
# Shared by ./test and ./run: Debian packages, configuring and building.
# Source it from bash after `set -euo pipefail`; it defines functions only.

# Everything the build, the tests and the screenshot checks need.
CALENDAR_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl1-mesa-dev qt6-translations-l10n
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-ipafont-gothic xvfb xauth imagemagick poppler-utils
  desktop-file-utils
)

# Runs a command with its output kept in a log file; prints the log only
# when the command fails, then returns its status.
calendar_quietly() {
  local log
  log="$(mktemp "${TMPDIR:-/tmp}/calendar-setup.XXXXXX")"
  local status=0
  "$@" >"$log" 2>&1 || status=$?
  if ((status != 0)); then
    cat "$log" >&2
    echo "失敗しました（終了コード ${status}）: $*" >&2
  fi
  rm -f "$log"
  return "$status"
}

# Prints the packages of CALENDAR_PACKAGES that are not installed.
calendar_missing_packages() {
  local pkg status
  for pkg in "${CALENDAR_PACKAGES[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)"
    if [[ "$status" != "install ok installed" ]]; then
      echo "$pkg"
    fi
  done
}

# Installs whatever is missing. Touches apt only when something is missing.
calendar_install_packages() {
  local missing
  mapfile -t missing < <(calendar_missing_packages)
  ((${#missing[@]} == 0)) && return 0

  local -a as_root=()
  if ((EUID != 0)); then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "パッケージが足りません（root でなく sudo もありません）: ${missing[*]}" >&2
      return 1
    fi
    as_root=(sudo)
  fi
  echo "パッケージを入れています: ${missing[*]}" >&2
  calendar_quietly "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  calendar_quietly "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# calendar_configure BUILD_DIR [CMAKE_ARGS...]
# Configures BUILD_DIR unless it already is; an existing cache keeps its
# generator and settings (ninja re-runs CMake by itself when files change).
calendar_configure() {
  local dir="$1"
  shift
  if [[ -f "$dir/CMakeCache.txt" ]]; then
    if [[ -f "$dir/build.ninja" || -f "$dir/Makefile" ]]; then
      return 0
    fi
    # A previous configure stopped half-way: finish it with the cached settings.
    cmake -S . -B "$dir" "$@"
    return
  fi
  cmake -S . -B "$dir" -G Ninja "$@"
}

# calendar_build BUILD_DIR [TARGET...]
calendar_build() {
  local dir="$1"
  shift
  local -a targets=()
  local t
  for t in "$@"; do
    targets+=(--target "$t")
  done
  cmake --build "$dir" -j2 "${targets[@]}"
}
