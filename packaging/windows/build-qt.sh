#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64) once, from Debian's source package of
# the system's Qt, into the cache folder; later runs find it there and return at once.
#   packaging/windows/build-qt.sh CACHE_DIR
# Prints nothing but progress; the configure and build output goes to
# CACHE_DIR/qt-build.log. Host tools (moc, rcc, uic...) are the system's.
set -euo pipefail

CACHE="$1"
HERE="$(cd "$(dirname "$0")" && pwd)"
TOOLCHAIN="$(cd "$HERE/../../cmake" && pwd)/mingw-w64-x86_64.cmake"
JOBS="${LEXIGRILLE_WINDOWS_JOBS:-$(nproc)}"

# The same source version as the system's Qt: the host tools must match it.
DEB_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
QT_VERSION="${DEB_VERSION%%+*}"
PREFIX="$CACHE/qt-$QT_VERSION-mingw64"

# Only what Lexigrille uses: Core, Gui, Widgets, PrintSupport, Network, Test.
# Bundled third-party libraries, since MinGW has none of them; the pen-tablet
# events need a header Debian's source leaves out; OpenGL stays on because the
# Windows platform plugin of this version does not compile without it.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_openssl=OFF
  -DFEATURE_directwrite=ON
  -DFEATURE_tabletevent=OFF
  -DFEATURE_sql=OFF -DFEATURE_concurrent=OFF -DFEATURE_dbus=OFF
)
STAMP="$PREFIX/lexigrille-qt.stamp"
WANT="$DEB_VERSION ${QT_OPTIONS[*]}"
if [ -f "$STAMP" ] && [ "$(cat "$STAMP")" = "$WANT" ]; then
  echo "Qt $QT_VERSION pour Windows : déjà construit dans $PREFIX"
  exit 0
fi

mkdir -p "$CACHE/src"
LOG="$CACHE/qt-build.log"
: >"$LOG"
SRC="$CACHE/src/qtbase-$DEB_VERSION"
if [ ! -f "$SRC/.lexigrille-extracted" ]; then
  echo "Sources de Qt $DEB_VERSION (apt-get source qt6-base)..."
  rm -rf "$SRC"
  (cd "$CACHE/src" && apt-get source --download-only "qt6-base=$DEB_VERSION" >>"$LOG" 2>&1)
  (cd "$CACHE/src" && dpkg-source -x "qt6-base_${DEB_VERSION#*:}.dsc" "$SRC" >>"$LOG" 2>&1)
  touch "$SRC/.lexigrille-extracted"
fi

BUILD="$CACHE/qt-build"
rm -rf "$BUILD" "$PREFIX"
start=$(date +%s)
echo "Construction de Qt $QT_VERSION pour Windows ($JOBS tâches ; journal : $LOG)..."
cmake -S "$SRC" -B "$BUILD" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
  -DCMAKE_INSTALL_PREFIX="$PREFIX" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${QT_OPTIONS[@]}" >>"$LOG" 2>&1 || { echo "Échec de la configuration de Qt : voir $LOG" >&2; exit 1; }
cmake --build "$BUILD" --parallel "$JOBS" >>"$LOG" 2>&1 || { echo "Échec de la construction de Qt : voir $LOG" >&2; exit 1; }
cmake --install "$BUILD" >>"$LOG" 2>&1 || { echo "Échec de l'installation de Qt : voir $LOG" >&2; exit 1; }
rm -rf "$BUILD"
echo "$WANT" >"$STAMP"
echo "Qt $QT_VERSION pour Windows construit en $(( ($(date +%s) - start) / 60 )) min dans $PREFIX"
