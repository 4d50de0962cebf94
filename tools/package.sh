#!/usr/bin/env bash
# Builds the Debian package and checks it: the installed desktop entry and
# AppStream metainfo validate, and lintian finds no error in the .deb.
# Leaves build/package/cambist_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --package
cmake --preset package >/dev/null
cmake --build --preset package

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install build/package --prefix "$stage/usr" >/dev/null
desktop-file-validate "$stage/usr/share/applications/org.cambist.Cambist.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/org.cambist.Cambist.metainfo.xml"

rm -f build/package/cambist_*.deb
(cd build/package && cpack -G DEB >/dev/null)
deb=$(ls build/package/cambist_*.deb)
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
echo "package.sh: $deb built and checked"
