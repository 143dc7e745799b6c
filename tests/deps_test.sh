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

# qemu-user comes from the system's own suite where it offers version 10 (Debian 13), from
# bookworm-backports where the apt sources have a bookworm archive (Debian 12), else nowhere.
printf '#!/bin/sh\necho "apt-get $*"\n' >"$stub/apt-get"
printf '#!/bin/sh\nprintf "qemu-user:\\n  Installed: (none)\\n  Candidate: %%s\\n" "$CANDIDATE"\n' \
    >"$stub/apt-cache"
chmod +x "$stub"/*
while read -r candidate archive last; do
    out=$(
        export PATH="$stub:$PATH" CANDIDATE="$candidate"
        source "$deps"
        debian_mirror() { [ "$archive" = - ] || echo "$archive"; }
        backports_list=$stub/backports.sources
        install_qemu 2>&1
    ) || true
    [ "$(tail -n 1 <<<"$out")" = "$last" ] || { echo "$candidate $archive:"; echo "$out"; exit 1; }
done <<'ROWS'
1:10.0.13+ds-0+deb13u1 - apt-get install -y -q --no-install-recommends qemu-user
1:7.2+dfsg-7+deb12u18 http://mirror.invalid/debian apt-get install -y -q --no-install-recommends -t bookworm-backports qemu-user
(none) - qemu-user 10 is in neither this system's suites nor a Debian bookworm archive of the apt sources: install qemu-user 10 or later, then run scripts/deps again.
ROWS
grep -qx "URIs: http://mirror.invalid/debian" "$stub/backports.sources" ||
    { echo "no bookworm-backports source was written"; exit 1; }
