#!/usr/bin/env bash
# On a machine that scripts/deps has set up, a second run does nothing and says nothing.
out=$("$(dirname "$0")/../scripts/deps" 2>&1) || { echo "$out"; exit 1; }
[ -z "$out" ] || { echo "scripts/deps still had something to do:"; echo "$out"; exit 1; }
