#!/usr/bin/env bash
# Fails when a source file of a lower layer includes a header of a higher one.
# A file belongs to the layer of the longest listed folder that holds it; it may
# include headers of its own layer and of the layers listed before it.
#
#   scripts/check-layering.sh [source-dir]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# Layers, lowest first. A sub-folder becomes a layer of its own with one line
# at its place in the list.
layers=(
    library/common
    library/database
    library/core
    library/security
    library/network
    library/gui
    product/client/component
    product
)

# Sets `layer` to the place in the list of the layer that holds a path, or -1.
layer_of() {
    local path=$1 length=0 i
    layer=-1
    for i in "${!layers[@]}"; do
        if [[ $path == "${layers[$i]}"/* && ${#layers[$i]} -gt $length ]]; then
            layer=$i
            length=${#layers[$i]}
        fi
    done
}

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([^">]+)[">]'
failures=0
while IFS=: read -r file line text; do
    [[ $text =~ $include_pattern ]] || continue
    header=${BASH_REMATCH[1]}
    layer_of "$file"
    including=$layer
    layer_of "$header"
    included=$layer
    if ((including >= 0 && included > including)); then
        echo "$file:$line: includes \"$header\": ${layers[$included]} is above ${layers[$including]}" >&2
        failures=$((failures + 1))
    fi
done < <(grep -rnE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<](library|product)/' library product | sort)

if ((failures > 0)); then
    echo "$failures include(s) of a higher layer" >&2
    exit 1
fi
