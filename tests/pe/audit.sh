#!/bin/sh
# Reads the shipped executable's headers and import table with the mingw
# binutils and fails on anything a security reviewer would flag.
# Usage: audit.sh Lumiqa.exe
set -eu
exe=$1
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

headers=$($objdump -p "$exe")
field() { printf '%s\n' "$headers" | awk -v name="$1" '$1 == name { print $2; exit }'; }

$objdump -f "$exe" | grep -q 'file format pei-i386' && pass "32-bit x86" || fail "not pei-i386"
[ "$(field Magic)" = 010b ] && pass "PE32" || fail "Magic is $(field Magic), not 010b (PE32)"
[ "$(field Subsystem)" = 00000002 ] && pass "GUI subsystem" || fail "subsystem $(field Subsystem)"
[ "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)" = 5.1 ] && pass "subsystem version 5.1" ||
  fail "subsystem version $(field MajorSubsystemVersion).$(field MinorSubsystemVersion)"
# A zero time stamp, which objdump shows as the start of 1970.
printf '%s\n' "$headers" | grep -q '^Time/Date.*Jan  1 00:00:00 1970' && pass "no time stamp" ||
  fail "the header carries a time stamp"

dll=$((0x$(field DllCharacteristics)))
[ $((dll & 0x40)) -ne 0 ] && pass "ASLR (dynamic base)" || fail "no DYNAMIC_BASE"
[ $((dll & 0x100)) -ne 0 ] && pass "DEP (NX compatible)" || fail "no NX_COMPAT"
characteristics=$(($(field Characteristics)))
relocs=$($objdump -h "$exe" | awk '$2 == ".reloc" { print $3 }')
[ $((characteristics & 1)) -eq 0 ] && [ -n "$relocs" ] && [ $((0x${relocs:-0})) -gt 0 ] &&
  pass "relocations kept" || fail "relocations stripped"

# objdump -h prints each section's flags on the line after its name.
wx=$($objdump -h "$exe" | awk '/^ *[0-9]+ / { name = $2; next } /CODE/ && !/READONLY/ { print name }')
[ -z "$wx" ] && pass "no section both writable and executable" || fail "writable code in: $wx"

imports=$(printf '%s\n' "$headers" | awk -F'\t' '
  /^\tDLL Name: / { sub(/^\tDLL Name: /, ""); dll = toupper($0); next }
  dll != "" && /^\t[0-9a-f]+\t/ { n = split($3, parts, " "); print dll, parts[n] }
  /^$/ && dll != "" && seen { dll = "" } { seen = (dll != "") }')
[ -n "$imports" ] || fail "no imports read"
unexpected=$(printf '%s\n' "$imports" | awk '{ print $1 }' | sort -u |
  grep -vxE 'KERNEL32\.DLL|USER32\.DLL|ADVAPI32\.DLL|COMCTL32\.DLL|MSVCRT\.DLL' || true)
[ -z "$unexpected" ] && pass "imports only from KERNEL32, USER32, ADVAPI32, COMCTL32, msvcrt" ||
  fail "imports from $unexpected"
advapi=$(printf '%s\n' "$imports" | awk '$1 == "ADVAPI32.DLL" { print $2 }' | sort | tr '\n' ' ')
[ "$advapi" = "RegCloseKey RegOpenKeyExW RegQueryValueExW " ] &&
  pass "ADVAPI32: only RegOpenKeyExW, RegQueryValueExW, RegCloseKey" || fail "ADVAPI32 imports: $advapi"
narrow=$(printf '%s\n' "$imports" | awk '$1 == "USER32.DLL" && $2 ~ /A$/ { print $2 }' | tr '\n' ' ')
[ -z "$narrow" ] && pass "no narrow-character USER32 call" || fail "narrow USER32 calls: $narrow"

size=$(wc -c < "$exe")
[ "$size" -le 81920 ] && pass "size $size bytes, within 80 KiB" || fail "size $size bytes, over 80 KiB (81920)"
echo "$failures failed"
[ "$failures" -eq 0 ]
