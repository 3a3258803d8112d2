#!/usr/bin/env bash
# The installed tree and the Debian package: the menu entry, the AppStream entry and the design
# file type validate, and the package carries them with the program and its icon.
# usage: verificar.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
id=br.veltra.Veltra
desktop-file-validate "$tmp/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$tmp/usr/share/metainfo/$id.metainfo.xml"
xmllint --noout "$tmp/usr/share/mime/packages/$id.xml"
test -x "$tmp/usr/bin/veltra"
test -s "$tmp/usr/share/icons/hicolor/scalable/apps/$id.svg"
# The version the program says is the one the AppStream entry gives.
versao=$("$tmp/usr/bin/veltra" --version | awk '{print $NF}')
grep -q "release version=\"$versao\"" "$tmp/usr/share/metainfo/$id.metainfo.xml"

(cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -B "$tmp/pacote" >/dev/null)
deb=$(ls "$tmp"/pacote/veltra_*.deb)
conteudo=$(dpkg -c "$deb")
for arquivo in ./usr/bin/veltra "./usr/share/applications/$id.desktop" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/mime/packages/$id.xml"; do
    grep -q " $arquivo\$" <<<"$conteudo" || { echo "falta no pacote: $arquivo"; exit 1; }
done
dpkg -f "$deb" Depends | grep -q libqt6widgets6
echo "instalação e pacote: ok"
