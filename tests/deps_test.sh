#!/usr/bin/env bash
# On a machine that scripts/deps has set up, a second run does nothing and says nothing.
deps=$(dirname "$0")/../scripts/deps
out=$("$deps" 2>&1) || { echo "$out"; exit 1; }
[ -z "$out" ] || { echo "scripts/deps still had something to do:"; echo "$out"; exit 1; }

# Where every package looks missing and apt meets a mirror mid-sync, apt's words stay and a
# closing sentence says which step failed and what to do.
stub=$(mktemp -d)
trap 'rm -rf "$stub"' EXIT
printf '#!/bin/sh\nexit 1\n' >"$stub/dpkg-query"
printf '#!/bin/sh\necho "E: Mirror sync in progress?"\nexit 100\n' >"$stub/apt-get"
chmod +x "$stub"/*
out=$(PATH="$stub:$PATH" "$deps" 2>&1) && exit 1
grep -q 'Mirror sync' <<<"$out" && tail -n 1 <<<"$out" |
    grep -q '^scripts/deps stopped: updating the package lists .*run scripts/deps again' ||
    { echo "$out"; exit 1; }
