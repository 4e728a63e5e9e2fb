#!/usr/bin/env bash
# Lexigrille for Windows, built on Debian (run through ./build.sh):
#   ./build.sh windows        cross-builds lexigrille.exe and lexigrille-cli.exe and
#                             makes build-windows/Lexigrille-<version>-setup.exe
#   ./build.sh windows-test   the same with the unit tests, then checks it all under
#                             Wine (packaging/windows/wine-test.sh)
# Qt for Windows is built once (50 to 90 minutes on 2 cores) into the cache folder
# LEXIGRILLE_WINDOWS_CACHE (default ~/.cache/lexigrille-windows) and reused.
# Other settings: LEXIGRILLE_WINDOWS_BUILD_DIR (default build-windows),
# LEXIGRILLE_WINDOWS_JOBS (parallel jobs of the Qt build, default: every core).
set -euo pipefail

cd "$(dirname "$0")/../.."
MODE="${1:-windows}"
CACHE="${LEXIGRILLE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lexigrille-windows}"
BUILD_DIR="$(realpath -m "${LEXIGRILLE_WINDOWS_BUILD_DIR:-build-windows}")"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# --- Debian packages ------------------------------------------------------------
PACKAGES=(
  cmake ninja-build dpkg-dev perl python3
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  fonts-liberation fonts-symbola
  librsvg2-bin imagemagick nsis
)
if [ "$MODE" = windows-test ]; then
  PACKAGES+=(googletest wine wine64 xvfb xauth x11-utils poppler-utils)
fi
. packaging/install-packages.sh
install_missing_packages "${PACKAGES[@]}"

# Qt's source package needs a deb-src line: one is added beside the system's
# own sources, for the same archive and suites, if none is there yet.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base'; then
  echo "Ajout des sources Debian (deb-src) pour « apt-get source qt6-base »"
  if [ -f /etc/apt/sources.list.d/debian.sources ] || [ -f /etc/apt/sources.list.d/ubuntu.sources ]; then
    for f in /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list.d/ubuntu.sources; do
      [ -f "$f" ] || continue
      sed -e 's/^Types:.*/Types: deb-src/' "$f" | $SUDO tee "/etc/apt/sources.list.d/lexigrille-src-$(basename "$f")" >/dev/null
    done
  else
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $SUDO tee /etc/apt/sources.list.d/lexigrille-src.list >/dev/null
  fi
  $SUDO apt-get update
fi

# --- Qt and GoogleTest for Windows, in the cache ----------------------------------
mkdir -p "$CACHE"
packaging/windows/build-qt.sh "$CACHE"
QT_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
QT_VERSION="${QT_VERSION%%+*}"
QT_PREFIX="$CACHE/qt-$QT_VERSION-mingw64"
PREFIXES="$QT_PREFIX"

TESTS=OFF
if [ "$MODE" = windows-test ]; then
  TESTS=ON
  GTEST_VERSION="$(dpkg-query -W -f='${Version}' googletest)"
  GTEST_PREFIX="$CACHE/googletest-$GTEST_VERSION-mingw64"
  if [ ! -f "$GTEST_PREFIX/lexigrille.stamp" ]; then
    echo "Construction de GoogleTest $GTEST_VERSION pour Windows..."
    rm -rf "$CACHE/googletest-build" "$GTEST_PREFIX"
    cmake -S /usr/src/googletest -B "$CACHE/googletest-build" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$GTEST_PREFIX" \
      -DBUILD_GMOCK=OFF -DBUILD_SHARED_LIBS=OFF >"$CACHE/googletest-build.log" 2>&1
    cmake --build "$CACHE/googletest-build" >>"$CACHE/googletest-build.log" 2>&1
    cmake --install "$CACHE/googletest-build" >>"$CACHE/googletest-build.log" 2>&1
    rm -rf "$CACHE/googletest-build"
    touch "$GTEST_PREFIX/lexigrille.stamp"
  fi
  PREFIXES="$PREFIXES;$GTEST_PREFIX"
fi

# --- Lexigrille for Windows ---------------------------------------------------------
# Tests run under Wine; GoogleTest lists a program's cases when CTest runs it,
# not at build time, so that building needs no Wine.
cmake -S . -B "$BUILD_DIR" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DLEXIGRILLE_WINDOWS_PREFIXES="$PREFIXES" \
  -DCMAKE_PREFIX_PATH="$PREFIXES" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release \
  -DLEXIGRILLE_BUILD_TESTS="$TESTS" -DLEXIGRILLE_BUILD_BENCH=OFF -DLEXIGRILLE_BUILD_FUZZERS=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"

# The folder the setup is made from, and the lists of its files.
STAGE="$BUILD_DIR/stage"
LISTS="$BUILD_DIR/windows"
rm -rf "$STAGE"
cmake --install "$BUILD_DIR" --prefix "$STAGE" --strip >/dev/null
packaging/windows/file-lists.sh "$STAGE" "$LISTS"

VERSION="$(cat "$BUILD_DIR/windows/version.txt")"
SETUP="$BUILD_DIR/Lexigrille-$VERSION-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$VERSION" -DSTAGE="$STAGE" -DLISTS="$LISTS" \
  -DICON="$BUILD_DIR/windows/lexigrille.ico" -DOUTFILE="$SETUP" \
  packaging/windows/lexigrille.nsi
echo "Installateur : $(realpath --relative-to=. "$SETUP") ($(du -h "$SETUP" | cut -f1))"

if [ "$MODE" = windows-test ]; then
  exec packaging/windows/wine-test.sh "$BUILD_DIR" "$SETUP" "$QT_PREFIX"
fi
