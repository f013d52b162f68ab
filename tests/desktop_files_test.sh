#!/usr/bin/env bash
# The desktop entries and the software centre's description, checked by the
# desktop's own validators where they are installed.
set -euo pipefail
linux=$1/resources/linux
ran=0
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$linux/programmer-en.desktop" "$linux/programmer-zh.desktop"
    ran=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$linux/programmer.metainfo.xml"
    ran=1
fi
if [ "$ran" = 0 ]; then
    echo "SKIPPED: needs desktop-file-validate (desktop-file-utils) or appstreamcli (appstream)"
    exit 77
fi
