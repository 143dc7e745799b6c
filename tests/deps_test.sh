#!/usr/bin/env bash
# On a machine that scripts/deps has set up, a second run does nothing and says nothing.
deps=$(dirname "$0")/../scripts/deps
out=$("$deps" 2>&1) || { echo "$out"; exit 1; }
[ -z "$out" ] || { echo "scripts/deps still had something to do:"; echo "$out"; exit 1; }

# Where a step fails, apt's own words stay on screen and one sentence under them says which
# step failed and what to do: here every package looks missing, and the mirror is mid-sync.
stub=$(mktemp -d)
trap 'rm -rf "$stub"' EXIT
printf '#!/bin/sh\nexit 1\n' >"$stub/dpkg-query"
printf '#!/bin/sh\necho "E: File has unexpected size. Mirror sync in progress?"\nexit 100\n' >"$stub/apt-get"
chmod +x "$stub"/*
out=$(PATH="$stub:$PATH" "$deps" 2>&1) && { echo "scripts/deps went on after apt failed"; exit 1; }
grep -q 'Mirror sync in progress' <<<"$out" || { echo "apt's output is gone: $out"; exit 1; }
tail -n 1 <<<"$out" | grep -q '^scripts/deps stopped: updating the package lists .*run scripts/deps again' ||
    { echo "no closing sentence: $out"; exit 1; }
