#!/usr/bin/env bash
# Fails when the exe stops being a small, hardened, self-contained Windows 7+ program.
# Usage: pe_check.sh EXE i686|x86_64 OBJECT...: the objects and archives of the program's own
# code that went into EXE.
set -euo pipefail
exe=$1 arch=$2
shift 2
objdump=$arch-w64-mingw32-objdump
headers=$("$objdump" -p "$exe")
failed=0
fail() { echo "FAIL: $*"; failed=1; }

expected_format=$([ "$arch" = i686 ] && echo pei-i386 || echo pei-x86-64)
grep -q "file format $expected_format" <<<"$headers" || fail "not $expected_format"

major=$(awk '/MajorSubsystemVersion/ {print $2}' <<<"$headers")
minor=$(awk '/MinorSubsystemVersion/ {print $2}' <<<"$headers")
# Windows 7 is 6.1: it refuses a subsystem version above that.
if [ "$major" -gt 6 ] || { [ "$major" -eq 6 ] && [ "$minor" -gt 1 ]; }; then
    fail "subsystem version $major.$minor is too new for Windows 7"
fi
grep -q 'Windows GUI' <<<"$headers" || fail "not a GUI subsystem exe"

flags=(DYNAMIC_BASE NX_COMPAT)
[ "$arch" = x86_64 ] && flags+=(HIGH_ENTROPY_VA)
for flag in "${flags[@]}"; do
    grep -q "^[[:space:]]*$flag\$" <<<"$headers" || fail "$flag is not set"
done

# Without relocations the loader cannot move the image, whatever DYNAMIC_BASE says.
"$objdump" -h "$exe" | grep -q '[[:space:]]\.reloc[[:space:]]' || fail "no .reloc section"

# Only DLLs that every Windows 7 to 11 install has; no runtime DLLs beside the exe.
allowed='^(kernel32|user32|gdi32|comctl32|msvcrt)\.dll$'
while read -r dll; do
    lower=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
    [[ $lower =~ $allowed ]] || fail "imports $dll"
done < <(awk '/DLL Name:/ {print $3}' <<<"$headers")

# Every function the release imports is one that Windows 7 SP1 is known to export.
if [ "$arch" = i686 ]; then
    list=$(dirname "$0")/release_imports.txt
    # Each import is a line of its DLL's table. binutils before 2.44 prints the address, the
    # hint and the name; 2.44 prints the address, the ordinal (<none> for imports by name), the
    # hint in hex and the name.
    imported=$(awk '/DLL Name:/ {dll = tolower($3)}
                    dll && (/^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ ||
                            /^\t[0-9a-f]+ +(<none>|[0-9]+) +[0-9a-f]+ +[^ ]+$/) {print dll "!" $NF}' \
               <<<"$headers" | sort -u)
    while read -r entry; do
        grep -qxF "$entry" "$list" ||
            fail "imports $entry, which is not in tests/release_imports.txt: check that Windows 7 SP1 exports it, then add it there"
    done <<<"$imported"
    [ -n "$imported" ] || fail "no imported functions found"
fi

# Windows 7 runs on processors without SSE: the program's code uses no MMX or SSE register or
# instruction. Its objects are read, since the exe's code section also holds exception tables;
# the libraries linked with it are built for plain i686.
if [ "$arch" = i686 ]; then
    [ $# -gt 0 ] || fail "no objects to look for SSE instructions in"
    sse=$("$objdump" -d --no-show-raw-insn "$@" |
          grep -cE '%x?mm[0-9]|\b(ldmxcsr|stmxcsr|[lsm]fence|prefetch[a-z0-9]*|movnti|emms)\b' || true)
    [ "$sse" -eq 0 ] || fail "$sse instructions of the program's own need MMX or SSE"
fi

size=$(stat -c %s "$exe")
[ "$size" -le $((300 * 1024)) ] || fail "size $size bytes is over 300 KB"

grep -q SetDefaultDllDirectories "$exe" || fail "SetDefaultDllDirectories is never looked up"

imports=$(awk '/DLL Name:/ {printf "%s ", $3}' <<<"$headers")
echo "$exe: $expected_format, subsystem $major.$minor, $size bytes, imports: $imports"
[ "$failed" -eq 0 ] && echo "PE checks passed"
exit "$failed"
