#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program or runs the tests.
#   ./build.sh run [ARGS...]   build and start Lexigrille
#   ./build.sh test            build and run every test through CTest
#   ./build.sh build           build only
#   ./build.sh bench           build and run the benchmarks
#   ./build.sh package         build the Debian package (build/lexigrille_*.deb)
#   ./build.sh windows         cross-build for Windows and make the setup program
#                              (build-windows/Lexigrille-<version>-setup.exe)
#   ./build.sh windows-test    the same, then check it under Wine (not run by CI)
set -euo pipefail

cd "$(dirname "$0")"
MODE="${1:-run}"
[ $# -gt 0 ] && shift

# Windows is a build of its own (MinGW-w64, Qt for Windows in a cache folder),
# apart from the Linux build below.
case "$MODE" in
  windows|windows-test)
    exec packaging/windows/windows.sh "$MODE" "$@"
    ;;
esac

# Debian packages the program, its tests and its benchmarks need.
PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core fonts-symbola fonts-wine fonts-opendyslexic
  clang libclang-rt-14-dev
  python3 hunspell hunspell-fr-classical
  poppler-utils xvfb
  dpkg-dev desktop-file-utils shared-mime-info groff-base
)

. packaging/install-packages.sh
install_missing_packages "${PACKAGES[@]}"

BUILD_DIR="${LEXIGRILLE_BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"

case "$MODE" in
  run)
    exec "$BUILD_DIR/bin/lexigrille" "$@"
    ;;
  test)
    export QT_QPA_PLATFORM=offscreen
    export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
    ;;
  build)
    ;;
  bench)
    for b in "$BUILD_DIR"/bench/bench_*; do
      [ -x "$b" ] && "$b" "$@"
    done
    ;;
  package)
    # Library dependencies are computed by dpkg-shlibdeps (dpkg-dev).
    log="$(cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$BUILD_DIR")"
    deb="$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$log")"
    echo "Paquet : $deb"
    echo "Pour l'installer : sudo apt install $deb"
    ;;
  *)
    echo "Utilisation : $0 run|test|build|bench|package|windows|windows-test" >&2
    exit 2
    ;;
esac
