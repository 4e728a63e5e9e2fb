#!/bin/sh
# Runs a Linux poppler tool for a Windows program under Wine: Windows paths
# among the arguments become Linux ones.
tool="$(basename "$0" .exe)"
n=$#
while [ "$n" -gt 0 ]; do
  a="$1"; shift; n=$((n - 1))
  case "$a" in
    [A-Za-z]:[\\/]*) a="$(winepath -u "$a" 2>/dev/null)" ;;
  esac
  set -- "$@" "$a"
done
exec "/usr/bin/$tool" "$@"
