#!/usr/bin/env bash
# Fails when a file under src/ includes from a layer above its own, or from a peer. Layers,
# lowest first: platform, package, then the peers install, intake and tools, then app. A file may
# include its own folder and the layers below; the peers never include each other, so what two
# features share lives in package/. ui/ and qt/ sub-folders belong to their parent's layer.
set -euo pipefail
cd "${1:-$(dirname "$0")/../src}"
files=$(find . -type f \( -name '*.cpp' -o -name '*.h' \) | sed 's|^\./||' | sort)
{
    echo "$files"
    echo "--"
    # shellcheck disable=SC2086
    grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' $files || true
} | awk -F: -v names="platform package install intake tools app" -v ranks="1 2 3 3 3 4" '
    BEGIN {
        n = split(names, layer, " "); split(ranks, level, " ")
        for (i = 1; i <= n; i++) rank[layer[i]] = level[i]
    }
    # The path with "." and ".." steps folded away.
    function normal(path,   parts, out, count, i, k) {
        count = split(path, parts, "/"); k = 0
        for (i = 1; i <= count; i++) {
            if (parts[i] == "..") k--
            else if (parts[i] != "." && parts[i] != "") out[++k] = parts[i]
        }
        path = out[1]; for (i = 2; i <= k; i++) path = path "/" out[i]
        return path
    }
    function top(path) { sub(/\/.*/, "", path); return path }
    !listed && $0 == "--" { listed = 1; next }
    !listed {
        have[$0] = 1
        if (!(top($0) in rank)) { print $0 ": not in any layer folder (" names ")"; bad = 1 }
        next
    }
    {
        file = $1; line = $2
        included = $0; sub(/^[^"]*"/, "", included); sub(/".*/, "", included)
        dir = file; sub(/\/[^\/]*$/, "", dir)
        # Quoted includes resolve beside the file first, then from src/, as the compiler does.
        target = normal(dir "/" included)
        if (!(target in have)) target = normal(included)
        if (!(target in have) || !(top(file) in rank)) next
        if (rank[top(target)] > rank[top(file)]) {
            print file ":" line ": includes " target " from " top(target) \
                ", above its own layer " top(file)
            bad = 1
        } else if (rank[top(target)] == rank[top(file)] && top(target) != top(file)) {
            print file ":" line ": includes " target " from its peer " top(target) \
                "; what peers share belongs in package/"
            bad = 1
        }
    }
    END { if (!bad) print "Every include points to its own folder or a layer below."; exit bad }'
