# shellcheck shell=bash
# Shared by ./test and ./run: Debian packages, configuring and building.
# Source it from bash after `set -euo pipefail`; it defines functions only.

# Everything the build, the tests and the screenshot checks need.
CALENDAR_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl1-mesa-dev qt6-translations-l10n zlib1g-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-ipafont-gothic xvfb xauth imagemagick poppler-utils
  desktop-file-utils libical-dev qt6-image-formats-plugins
  clang libclang-rt-dev
)
# What ./test --windows needs: the MinGW-w64 cross compiler with POSIX
# threads, Wine, and GoogleTest's sources to build for Windows.
CALENDAR_WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 googletest)

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

# Prints the packages of CALENDAR_PACKAGES (or those named) that are not installed.
calendar_missing_packages() {
  local pkg status
  local -a pkgs=("$@")
  ((${#pkgs[@]})) || pkgs=("${CALENDAR_PACKAGES[@]}")
  for pkg in "${pkgs[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)"
    if [[ "$status" != "install ok installed" ]]; then
      echo "$pkg"
    fi
  done
}

# Installs whatever is missing of CALENDAR_PACKAGES (or of those named).
# Touches apt only when something is missing.
calendar_install_packages() {
  local missing
  mapfile -t missing < <(calendar_missing_packages "$@")
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

# The fuzz targets under fuzz/, each with its seeds in fuzz/corpus/<target>/.
CALENDAR_FUZZ_TARGETS=(month_file year_settings display_settings sjis_field bmp_load picture_reduce ics_import monthly_items)

# calendar_fuzz BUILD_DIR SECONDS
# Runs every fuzz target for SECONDS. A crash, a sanitizer report, one input
# running over 10 s or a run over 1 GB fails it; the input that did is kept
# and its path printed. New inputs go to BUILD_DIR/fuzz-run, never into the
# corpus of the repository.
calendar_fuzz() {
  local dir="$1" seconds="$2" failed=0 target work
  # Data folders of the runs live in memory where there is room: saving
  # flushes to disk, which would slow every run down.
  local tmp="${TMPDIR:-/tmp}"
  [[ -d /dev/shm && -w /dev/shm ]] && tmp=/dev/shm
  # AddressSanitizer keeps the stack of each allocation and free for good.
  # Unwound through Qt's libraries, built without frame pointers, those
  # stacks are mostly whatever the stack held, so nearly every input adds
  # one (some 50 MB a million inputs, which meets the 1 GB limit in a long
  # run). Only the allocating call is kept; running the target again on a
  # kept input shows the whole stacks.
  local asan="malloc_context_size=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
  for target in "${CALENDAR_FUZZ_TARGETS[@]}"; do
    work="$dir/fuzz-run/$target"
    rm -rf "$work"
    mkdir -p "$work/new" "$work/artifacts"
    echo "ファジング: ${target}（${seconds} 秒）" >&2
    if ! TMPDIR="$tmp" ASAN_OPTIONS="$asan" "$dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
      -artifact_prefix="$work/artifacts/" -print_final_stats=1 \
      "$work/new" "fuzz/corpus/$target" >"$work/log" 2>&1; then
      failed=1
      tail -n 60 "$work/log" >&2
      echo "失敗: ${target}（記録: $work/log）" >&2
      local found
      for found in "$work"/artifacts/*; do
        [[ -e "$found" ]] && echo "再現用の入力: $(realpath "$found")（$dir/fuzz/fuzz_$target $(realpath "$found") で再現）" >&2
      done
    else
      grep -E '^stat::number_of_executed_units' "$work/log" >&2 || true
    fi
  done
  return "$failed"
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

# calendar_windows BUILD_DIR [CTEST_ARGS...]
# Builds the model, the core and their tests for 64-bit Windows and runs the
# tests under Wine, in a Wine prefix of its own that is removed afterwards.
# One Wine server is kept running for the whole run: ctest starts one Wine
# process per test, and without a server kept they fail at random.
calendar_windows() {
  local dir="$1"
  shift
  calendar_configure "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCALENDAR_QT=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALENDAR_WERROR=ON
  calendar_build "$dir"
  local wine wineserver
  wine="$(command -v wine || echo /usr/lib/wine/wine64)"
  wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
  WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/calendar-wine.XXXXXXXX")"
  export WINEPREFIX WINEDEBUG=-all
  # shellcheck disable=SC2064  # the names are fixed now, on purpose
  trap "'$wineserver' -k 2>/dev/null; rm -rf '$WINEPREFIX'" EXIT
  "$wineserver" -p
  calendar_quietly "$wine" wineboot --init
  "$wine" cmd /c exit
  ctest --test-dir "$dir" --output-on-failure -j2 --timeout 300 "$@"
}
