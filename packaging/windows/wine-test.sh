#!/usr/bin/env bash
# Checks the Windows build under Wine (run by ./build.sh windows-test, never by CI):
#   1. the setup installs silently (/S) into a fresh Wine prefix: files, Start
#      menu entry, .lxg file type, uninstall entry;
#   2. the cross-built unit tests pass under Wine (CTest, offscreen platform);
#   3. the installed lexigrille-cli.exe makes the three game types, and each
#      PDF's text (pdftotext) is the Linux build's for the same seed; file
#      names with accents and spaces work on the command line;
#   4. lexigrille.exe opens a document through the .lxg file type (as a
#      double-click does), takes a second launch's document, and is
#      photographed under Xvfb (docs/fenetre-windows.png);
#   5. the silent uninstaller removes the program and leaves the teacher's
#      folder alone.
#   packaging/windows/wine-test.sh BUILD_DIR SETUP QT_PREFIX
set -uo pipefail

cd "$(dirname "$0")/../.."
ROOT="$PWD"
BUILD_DIR="$1"
SETUP="$2"
QT_PREFIX="$3"
OUT="$BUILD_DIR/wine-test"
rm -rf "$OUT"
mkdir -p "$OUT/home" "$OUT/pdf"
LOG="$OUT/wine.log"

failures=0
ok() { echo "  ok      $*"; }
fail() { echo "  ÉCHEC   $*"; failures=$((failures + 1)); }
check() { # check DESCRIPTION COMMAND...
  local what="$1"; shift
  if "$@" >>"$LOG" 2>&1; then ok "$what"; else fail "$what"; fi
}

# The Linux build gives the reference pages.
echo "== Construction Linux (pages de référence)"
./build.sh build >"$OUT/linux-build.log" 2>&1 || { echo "La construction Linux a échoué : $OUT/linux-build.log" >&2; exit 1; }
LINUX_CLI="$ROOT/${LEXIGRILLE_BUILD_DIR:-build}/bin/lexigrille-cli"

# A fresh prefix, with a home of its own (Wine links Documents into it).
export HOME="$OUT/home"
export WINEPREFIX="$OUT/prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko to offer
export LANG=C.UTF-8 LC_ALL=C.UTF-8        # Unix file names in UTF-8
unset DISPLAY
w() { wine "$@" 2>>"$LOG"; }
WINE_STARTED=0
cleanup() { [ "$WINE_STARTED" = 1 ] && wineserver -k 2>/dev/null; true; }
trap cleanup EXIT

echo "== Préfixe Wine neuf : $WINEPREFIX"
w wineboot --init >>"$LOG"
WINE_STARTED=1
wineserver -p 2>/dev/null # stays up between the many short runs below
wineserver -w

PROGRAM_FILES="$WINEPREFIX/drive_c/Program Files/Lexigrille"
WIN_PROGRAM='C:\Program Files\Lexigrille'
USER_PROFILE="$(w cmd /c 'echo %USERPROFILE%' | tr -d '\r')"
DOCUMENTS_WIN="$USER_PROFILE\\Documents"
DOCUMENTS="$(winepath -u "$DOCUMENTS_WIN" 2>>"$LOG")"
TEACHER="$DOCUMENTS/Lexigrille"
START_MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Lexigrille.lnk"

reg_value() { # reg_value KEY [VALUE]: the data of a value ("" = default)
  local out
  if [ -n "${2:-}" ]; then out="$(w reg query "$1" /v "$2")"; else out="$(w reg query "$1" /ve)"; fi
  printf '%s\n' "$out" | tr -d '\r' | sed -n 's/^ *[^ ].*REG_SZ *//p' | head -1
}

echo "== 1. Installation silencieuse : $(basename "$SETUP") /S"
w "$SETUP" /S
wineserver -w
for f in lexigrille.exe lexigrille-cli.exe desinstaller.exe qt.conf LICENCES.txt Qt6Core.dll Qt6Gui.dll \
  Qt6Widgets.dll Qt6PrintSupport.dll Qt6Network.dll libstdc++-6.dll libwinpthread-1.dll \
  plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll translations/qtbase_fr.qm \
  data/filtres/mots-exclus.txt "data/DB 01-07 (CP).txt" data/polices/Symbola_hint.ttf \
  data/polices/LiberationSansNarrow-Regular.ttf licences/Liberation.txt; do
  check "installé : $f" test -f "$PROGRAM_FILES/$f"
done
check "entrée du menu Démarrer « Lexigrille »" test -f "$START_MENU"
check "type .lxg -> Lexigrille.Fiche" test "$(reg_value 'HKLM\Software\Classes\.lxg')" = Lexigrille.Fiche
OPEN_COMMAND="$(reg_value 'HKLM\Software\Classes\Lexigrille.Fiche\shell\open\command')"
check "ouverture des .lxg : $OPEN_COMMAND" test "$OPEN_COMMAND" = "\"$WIN_PROGRAM\\lexigrille.exe\" \"%1\""
check "icône des .lxg" test "$(reg_value 'HKLM\Software\Classes\Lexigrille.Fiche\DefaultIcon')" = "\"$WIN_PROGRAM\\lexigrille.exe\",0"
check "entrée « Programmes et fonctionnalités »" test -n "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexigrille' UninstallString)"

echo "== 2. Tests unitaires sous Wine (CTest, plateforme offscreen)"
# The programs of the build tree find Qt and the MinGW runtime through WINEPATH.
# Wine keeps the Linux variables named QT_... from Windows programs (they are
# meant for the Linux Qt): they reach them as WINEQT_... instead. The offscreen
# platform of Windows reads fonts from one folder only, QT_QPA_FONTDIR, given
# as a Windows path (a Linux one would name a folder on the current drive):
# there, the fonts the Linux tests rely on.
FONTS="$OUT/fonts"
mkdir -p "$FONTS"
for f in /usr/share/fonts/truetype/liberation/*.ttf /usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf \
  /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf /usr/share/wine/fonts/tahoma*.ttf \
  /usr/share/fonts/opentype/opendyslexic/*.otf; do
  [ -f "$f" ] && ln -sf "$f" "$FONTS/"
done
MINGW_DLLS="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
WINEPATH="$(winepath -w "$QT_PREFIX/bin");$(winepath -w "$MINGW_DLLS");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
# Poppler's tools have no Windows build here (and a Linux program that Wine
# starts never tells a Windows one it has ended): the tests that read a PDF's
# text leave that part out; step 3 compares the texts on the Linux side.
# Qt Test writes to the debugger rather than to a console it has not got,
# unless told otherwise.
(
  export WINEPATH WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR="$(winepath -w "$FONTS")" WINEQT_FORCE_STDERR_LOGGING=1
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" >"$OUT/ctest.log" 2>&1
) && ok "tests unitaires : $(grep -E 'tests passed' "$OUT/ctest.log")" \
  || { fail "tests unitaires : $(grep -E 'tests passed' "$OUT/ctest.log")"; grep -E '^\s+[0-9]+ - ' "$OUT/ctest.log" | sed 's/^/          /'; }

echo "== 3. lexigrille-cli.exe installé, comparé à Linux (pdftotext)"
# The installed tool as a teacher runs it: the Windows platform (no display
# needed) and the fonts Windows has, here Wine's with the Linux ones it shows.
CLI_WIN="$WIN_PROGRAM\\lexigrille-cli.exe"
win_cli() { (cd "$OUT/pdf" && wine "$CLI_WIN" "$@" 2>>"$LOG"); }
for type in lexigrille mots-cases mots-codes; do
  args=(make --type "$type" --level CE1 --count 12 --seed 7 --title "Les mots de l'été")
  "$LINUX_CLI" "${args[@]}" -o "$OUT/pdf/linux-$type.pdf" >>"$LOG" 2>&1
  win_cli "${args[@]}" -o "windows-$type.pdf" >>"$LOG"
  if [ ! -s "$OUT/pdf/windows-$type.pdf" ]; then
    fail "$type : pas de PDF sous Windows"
    continue
  fi
  pdftotext "$OUT/pdf/linux-$type.pdf" "$OUT/pdf/linux-$type.txt"
  pdftotext "$OUT/pdf/windows-$type.pdf" "$OUT/pdf/windows-$type.txt"
  if diff -u "$OUT/pdf/linux-$type.txt" "$OUT/pdf/windows-$type.txt" >"$OUT/pdf/$type.diff"; then
    ok "$type : même texte que sous Linux ($(wc -l <"$OUT/pdf/linux-$type.txt") lignes)"
  else
    fail "$type : le texte diffère de Linux ($OUT/pdf/$type.diff)"
    head -20 "$OUT/pdf/$type.diff" | sed 's/^/          /'
  fi
done
# Accents and spaces in folder and file names, both ways.
mkdir -p "$OUT/pdf/Fiches de l'été"
win_cli new -o "Fiches de l'été\\Fiche élève n°1.lxg" --level CP --count 8 --seed 3 >>"$LOG"
check "new : « Fiches de l'été\\Fiche élève n°1.lxg »" test -s "$OUT/pdf/Fiches de l'été/Fiche élève n°1.lxg"
win_cli generate "Fiches de l'été\\Fiche élève n°1.lxg" -o "Fiches de l'été\\Grille élève n°1.lxg" --seed 3 >>"$LOG"
win_cli render "Fiches de l'été\\Grille élève n°1.lxg" -o "Fiches de l'été\\Grille élève n°1.pdf" >>"$LOG"
check "render : « Grille élève n°1.lxg » -> PDF" test -s "$OUT/pdf/Fiches de l'été/Grille élève n°1.pdf"

echo "== 4. lexigrille.exe sous Xvfb"
mkdir -p "$TEACHER"
"$LINUX_CLI" new -o "$OUT/fiche.lxg" --level CE1 --theme Animaux --count 12 --size 12 --title "Les animaux" >>"$LOG" 2>&1
"$LINUX_CLI" generate "$OUT/fiche.lxg" -o "$TEACHER/Fiche été.lxg" --seed 12 >>"$LOG" 2>&1
"$LINUX_CLI" make -o "$TEACHER/Autre fiche.lxg" --type mots-codes --level CE1 --count 10 --seed 5 --title "Mots codés" >>"$LOG" 2>&1 || true
[ -s "$TEACHER/Autre fiche.lxg" ] || "$LINUX_CLI" new -o "$TEACHER/Autre fiche.lxg" --type mots-codes --level CE1 --count 10 --title "Mots codés" >>"$LOG" 2>&1
wineserver -k 2>/dev/null; wineserver -p 2>/dev/null
SHOT="$OUT/fenetre-windows.png"
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  set -u
  log="$1"; shot="$2"; docs="$3"
  titles() { xwininfo -root -tree 2>/dev/null | grep -o "\"[^\"]*Lexigrille[^\"]*\"" | sort -u; }
  # As a double-click does: the shell opens the document through its file type.
  wine cmd /c start "" "$docs\\Lexigrille\\Fiche été.lxg" 2>>"$log"
  for i in $(seq 1 60); do titles | grep -q "Fiche été" && break; sleep 1; done
  sleep 4
  echo "titre 1 : $(titles | tr "\n" " ")"
  import -window root "$shot"
  # A second launch hands its document to the running window and ends.
  start=$(date +%s)
  # (A launch that shows a message waits for its OK: the time limit ends it.)
  timeout 60 wine "C:\\Program Files\\Lexigrille\\lexigrille.exe" "$docs\\Lexigrille\\Autre fiche.lxg" 2>>"$log"
  code=$?
  echo "second lancement terminé en $(( $(date +%s) - start )) s (code $code)"
  for i in $(seq 1 20); do titles | grep -q "Autre fiche" && break; sleep 1; done
  echo "titre 2 : $(titles | tr "\n" " ")"
  echo "processus lexigrille.exe : $(wine tasklist 2>/dev/null | grep -ci "lexigrille.exe")"
  wineserver -k
' bash "$LOG" "$SHOT" "$DOCUMENTS_WIN" >"$OUT/gui.log" 2>&1
sed 's/^/          /' "$OUT/gui.log"
check "la fenêtre s'ouvre sur « Fiche été.lxg » (type de fichier .lxg)" grep -q '^titre 1 : .*Fiche été' "$OUT/gui.log"
check "un second lancement passe « Autre fiche.lxg » à la fenêtre ouverte" grep -q '^titre 2 : .*Autre fiche' "$OUT/gui.log"
check "le second lancement se termine aussitôt, sans message" grep -q '^second lancement terminé en [0-9]* s (code 0)' "$OUT/gui.log"
if [ -s "$SHOT" ]; then
  cp "$SHOT" docs/fenetre-windows.png
  ok "capture : docs/fenetre-windows.png"
else
  fail "pas de capture de la fenêtre"
fi
wineserver -p 2>/dev/null

echo "== 5. Désinstallation silencieuse"
w "$WIN_PROGRAM\\desinstaller.exe" /S
# The uninstaller goes on from a copy of itself in the temporary folder (and
# the server stays up): its work is done once the program folder is gone.
for _ in $(seq 1 60); do [ -e "$PROGRAM_FILES" ] || break; sleep 1; done
sleep 2
check "programme enlevé" test ! -e "$PROGRAM_FILES/lexigrille.exe"
check "dossier d'installation enlevé" test ! -e "$PROGRAM_FILES"
check "entrée du menu Démarrer enlevée" test ! -e "$START_MENU"
check "type .lxg enlevé" test -z "$(reg_value 'HKLM\Software\Classes\Lexigrille.Fiche\shell\open\command')"
check "documents de l'enseignant gardés" test -s "$TEACHER/Fiche été.lxg"

echo
if [ "$failures" -eq 0 ]; then
  echo "Windows sous Wine : tout est passé."
else
  echo "Windows sous Wine : $failures échec(s) ; détails dans $OUT"
  exit 1
fi
