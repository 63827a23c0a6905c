#!/usr/bin/env bash
# `cmake --install` into a scratch prefix puts there the two programs, the menu entry, the
# AppStream metadata and the icon in every size, and nothing of the build (libraries, tests).
# Usage: install_tree.sh CMAKE BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null
diff -u - <(cd "$prefix" && find . ! -type d | LC_ALL=C sort) <<'LIST'
./bin/CodePostal
./bin/kerlanic
./share/applications/fr.kerlanic.Kerlanic.desktop
./share/icons/hicolor/128x128/apps/kerlanic.png
./share/icons/hicolor/16x16/apps/kerlanic.png
./share/icons/hicolor/24x24/apps/kerlanic.png
./share/icons/hicolor/256x256/apps/kerlanic.png
./share/icons/hicolor/32x32/apps/kerlanic.png
./share/icons/hicolor/48x48/apps/kerlanic.png
./share/icons/hicolor/64x64/apps/kerlanic.png
./share/icons/hicolor/scalable/apps/kerlanic.svg
./share/metainfo/fr.kerlanic.Kerlanic.metainfo.xml
LIST
