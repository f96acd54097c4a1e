#!/bin/sh
# Installs the Debian packages that building, testing and running Lumiqa
# need, as root on Debian 12. Does nothing when they are all there.
set -eu

packages="cmake g++ googletest
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine32:i386 wine64 xvfb xauth fonts-wine fonts-ipafont-gothic
  imagemagick icoutils
  clang libclang-rt-14-dev clang-tidy cppcheck
  qemu-system-x86 debootstrap"

missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
    missing="$missing $package"
done
[ -n "$missing" ] || exit 0

echo "installing:$missing"
# 32-bit Wine comes from the i386 half of the archive.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
