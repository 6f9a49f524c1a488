#!/usr/bin/env bash
# Installs the Debian packages TANTEO needs to build, test and run.
# Installs nothing when everything is already present; uses sudo only when not root.
set -euo pipefail

paquetes=(
  cmake ninja-build g++ pkgconf
  qt6-base-dev qt6-svg-dev libqt6svg6
  libpugixml-dev libcurl4-openssl-dev libcpp-httplib-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xdg-utils xvfb xauth
  fonts-dejavu-core
)

faltan=()
for p in "${paquetes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltan+=("$p")
  fi
done

if [ ${#faltan[@]} -eq 0 ]; then
  exit 0
fi

echo "Instalando: ${faltan[*]}"
if [ "$(id -u)" -eq 0 ]; then
  como=()
else
  como=(sudo)
fi
"${como[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${como[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
