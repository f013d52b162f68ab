#!/usr/bin/env bash
# Fails when a folder includes from a folder above it in the layer order, or
# when GUI-free code (a core/ folder, codecs/, document/) includes widgets.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(codecs document controls link channels settings signalling radio printing shell)
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}
gui_free() { # a folder that links Qt Core at most
    case "$1" in codecs | document | */core) return 0 ;; *) return 1 ;; esac
}

bad=0
while IFS=: read -r file _ include; do
    from_dir=$(dirname "$file")
    target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$include")
    to_dir=$(dirname "$target")
    from=${from_dir%%/*}
    to=${to_dir%%/*}
    [ "$to_dir" = "." ] && continue
    rf=$(rank "$from")
    rt=$(rank "$to")
    [ "$rt" -lt 0 ] && continue # not one of ours (tests/, tools/)
    if [ "$rt" -gt "$rf" ]; then
        echo "upward: $file includes $target"
        bad=1
    fi
    if gui_free "$from_dir" && ! gui_free "$to_dir"; then
        echo "GUI-free code includes widgets: $file includes $target"
        bad=1
    fi
done < <(grep -rnE '^#include "' --include='*.h' --include='*.cpp' "${layers[@]}")

if [ "$bad" -ne 0 ]; then
    echo "The layers are, bottom to top: ${layers[*]}; see ARCHITECTURE.md." >&2
    exit 1
fi
echo "layers ok: ${layers[*]}"
