#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages that building, running and testing Veltra need.
# Does nothing when they are all present; uses sudo when not run as root.
set -euo pipefail

pacotes=(
    build-essential cmake ninja-build git
    qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev clang-format
    fonts-dejavu-core fontconfig
    xvfb xauth poppler-utils locales
    desktop-file-utils appstream libxml2-utils dpkg-dev
)

faltando=()
for p in "${pacotes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        faltando+=("$p")
    fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

if [ ${#faltando[@]} -gt 0 ]; then
    echo "Instalando: ${faltando[*]}"
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends \
        "${faltando[@]}"
fi

# The Brazilian C locale, under which strtold and printf read and write commas: the tests run in it
# to show that number reading and formatting do not depend on it.
if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
    "${sudo_cmd[@]}" localedef -i pt_BR -f UTF-8 pt_BR.UTF-8
fi
