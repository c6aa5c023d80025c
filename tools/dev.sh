#!/usr/bin/env bash
# One entry for people and CI:
#   tools/dev.sh run    install what is missing, build, start the program
#   tools/dev.sh test   install what is missing, build, run every test headless
#   tools/dev.sh hardening   the tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
#                            and a short run of every fuzz target (CI runs it after `test`)
# Works as root or as a user who may use sudo, on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake make g++ pkg-config
  qt6-base-dev libjpeg-dev libgif-dev libpng-dev  # toolkit and picture libraries
  fonts-noto-cjk fonts-comic-neue            # Chinese text and the title font
  libgtest-dev libbenchmark-dev              # tests and benchmarks
  clang libclang-rt-dev clang-format         # fuzzers, code layout
  valgrind                                   # leak check of a whole run
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build build -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display here: marevisk is a desktop program and needs a graphical session"
      echo "(X11 or Wayland). It is built at build/bin/marevisk; start it from a desktop."
      exit 1
    fi
    exec build/bin/marevisk
    ;;
  test)
    install_missing
    # Every source file keeps the project's layout (.clang-format).
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
    build
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    ;;
  hardening)
    install_missing
    cmake -S . -B build-fuzz -DMAREVISK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build build-fuzz -j "$(nproc)"
    fuzz/run.sh build-fuzz "${FUZZ_SECONDS:-20}"
    cmake -S . -B build-asan -DMAREVISK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build build-asan -j "$(nproc)"
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
    ;;
  *)
    echo "usage: tools/dev.sh run|test|hardening" >&2
    exit 2
    ;;
esac
