#!/usr/bin/env bash
# Builds Korvalo.exe twice, from copies of the same sources in two different directories,
# and fails unless the two are the same bytes. Usage: reproducible_build.sh SOURCE PRESET
set -euo pipefail
source=$1 preset=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sums=()
for copy in first "second copy, elsewhere"; do
    dir="$work/$copy"
    mkdir -p "$dir"
    # The whole tree but build output and version control, so that a clone and an unpacked
    # archive are copied alike, without git.
    tar -C "$source" --exclude=./build --exclude=./.git --exclude=__pycache__ -cf - . |
        tar -C "$dir" -xf -
    (cd "$dir" && cmake --preset "$preset" -DKORVALO_TESTS=OFF >/dev/null &&
        cmake --build --preset "$preset" --target Korvalo >/dev/null)
    sums+=("$(sha256sum "$dir/build/$preset/Korvalo.exe" | cut -d' ' -f1)")
done
echo "SHA-256 of the two builds: ${sums[0]} ${sums[1]}"
[ "${sums[0]}" = "${sums[1]}" ] || { echo "FAIL: the two builds differ"; exit 1; }
echo "The two builds are the same"
