#!/usr/bin/env bash
# Writes the File lines (install-files.nsh) and the Delete lines
# (uninstall-files.nsh) of a staging folder for packaging/windows/lexigrille.nsi:
# the uninstaller removes exactly what the setup put in place.
#   packaging/windows/file-lists.sh STAGE OUTPUT_FOLDER
set -euo pipefail

stage="$(cd "$1" && pwd)"
out="$2"
mkdir -p "$out"
install="$out/install-files.nsh"
uninstall="$out/uninstall-files.nsh"

# "$" is NSIS's variable sign in installed paths (not in the source paths of
# File, read when the setup is made); "/" becomes "\" in installed paths.
nsis_text() { sed 's/\$/$$/g'; }
to_windows() { tr '/' '\\'; }

{
  echo "; Made by packaging/windows/file-lists.sh from $stage"
  (cd "$stage" && find . -type d | LC_ALL=C sort) | while IFS= read -r dir; do
    rel="${dir#.}"
    echo "SetOutPath \"\$INSTDIR$(printf '%s' "$rel" | to_windows | nsis_text)\""
    (cd "$stage/$dir" && find . -maxdepth 1 -type f | LC_ALL=C sort) | while IFS= read -r f; do
      echo "File \"$stage${rel}/${f#./}\""
    done
  done
} >"$install"

{
  echo "; Made by packaging/windows/file-lists.sh from $stage"
  (cd "$stage" && find . -type f | LC_ALL=C sort) | while IFS= read -r f; do
    echo "Delete \"\$INSTDIR\\$(printf '%s' "${f#./}" | to_windows | nsis_text)\""
  done
  # Folders deepest first; each goes only if nothing else is left in it.
  (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | while IFS= read -r d; do
    echo "RMDir \"\$INSTDIR\\$(printf '%s' "${d#./}" | to_windows | nsis_text)\""
  done
} >"$uninstall"
