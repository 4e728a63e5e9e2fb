# Sourced by build.sh and packaging/windows/windows.sh.
# install_missing_packages PACKAGE...: installs, with apt-get, those of the
# Debian packages named that are not installed yet (through sudo unless root).
install_missing_packages() {
  local missing=() p sudo=""
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installation des paquets manquants : ${missing[*]}"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}
