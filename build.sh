#!/usr/bin/env bash
# Set-up, build and run for the Tavo suite.
#   ./build.sh run    install what is missing, build, start the monitor
#   ./build.sh test   install what is missing, check the code's layout
#                     against .clang-format, build, run every test
#                     (once normally, once under ASan and UBSan), then
#                     build everything with clang, warnings as errors,
#                     and run its core unit tests
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
          xvfb xdotool desktop-file-utils
          openbox trayer x11-xserver-utils libxcb1-dev
          util-linux dbus dbus-x11 clang clang-format-14
          binutils
          xdg-utils
          qt6-gtk-platformtheme
          # Fonts the monitor's font tests measure with; Noto Sans is left
          # out: installed, it becomes the default sans of every test.
          fonts-cantarell fonts-liberation2
          locales)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The number readers are tested under French and German regional settings.
generate_locales() {
  local wanted=(fr_FR.UTF-8 de_DE.UTF-8) missing=() l
  for l in "${wanted[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || missing+=("$l")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  for l in "${missing[@]}"; do
    "${sudo[@]}" sed -i "s/^# *\(${l//./\\.} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${l//./\\.} UTF-8" /etc/locale.gen || echo "$l UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${sudo[@]}" locale-gen
}

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

check_layout() {
  # Every C++ file as clang-format would lay it out: a change that breaks
  # the layout fails here, before the long builds, naming the lines. One
  # version, named: another one lays some lines out otherwise.
  find monitor Stats LogViewer installer Chooser Update UnInstaller_FR common tests bench \
       -name '*.cpp' -o -name '*.h' | sort | xargs clang-format-14 --dry-run --Werror
}

run_tests() {  # run_tests DIR
  # A test that starts real programs on its own X server may miss a window
  # on a machine loaded by the sanitizer run; such a failure gets one more
  # try, and a test that fails twice fails the run.
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j"$(nproc)" --repeat until-pass:2
}

case "${1:-}" in
  run)
    install_missing
    generate_locales
    build build
    exec build/suite/Tavo
    ;;
  test)
    install_missing
    echo "== the code's layout"
    check_layout
    generate_locales
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen
    build build
    run_tests build
    echo "== again under AddressSanitizer and UndefinedBehaviorSanitizer"
    build build-asan -DTAVO_SANITIZE=ON -DTAVO_BENCHMARKS=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      run_tests build-asan
    echo "== built again with clang, every warning an error"
    CC=clang CXX=clang++ build build-clang -DTAVO_WERROR=ON -DTAVO_BENCHMARKS=ON
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-clang --output-on-failure -j"$(nproc)" \
      -R 'core|engine|common_tests|bulkread|platform_net'
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
