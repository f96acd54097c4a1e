#!/bin/sh
# Runs the shipped 32-bit build's Windows tests (ctest --preset windows) on a
# machine whose CPU cannot execute 32-bit x86 code: inside a Debian 12 guest
# under QEMU's full software emulation, where 32-bit Wine does run. Needs
# build/windows built; the guest is made once, from the machine's own Debian
# mirror, under build/emulator.
set -eu
cd "$(dirname "$0")/.."
project=$PWD
root=$project/build/emulator/root
image=$project/build/emulator/disk.img

unmount() { umount -R "$root/dev" 2>/dev/null || true; umount "$root/proc" 2>/dev/null || true; }
if [ ! -f "$root/.ready" ]; then
  mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' | awk '$2 == "bookworm" { print $1; exit }')
  rm -rf "$root"
  debootstrap --variant=minbase bookworm "$root" "$mirror"
  trap unmount EXIT
  mount -t proc proc "$root/proc"
  mount --rbind /dev "$root/dev"
  chroot "$root" sh -c 'dpkg --add-architecture i386 && apt-get update &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
      linux-image-amd64 wine wine32:i386 xvfb xauth cmake fonts-wine'
  unmount
  trap - EXIT
  touch "$root/.ready"
fi

# The project at the same path inside the guest, so that the build tree's
# absolute paths hold there too.
rm -rf "${root:?}$project"
mkdir -p "$root$project"
tar -cf - --exclude=build/windows/wineprefix CMakePresets.json cmake tests build/windows | tar -xf - -C "$root$project"
cat > "$root/lumiqa-tests" <<GUEST
#!/bin/sh
mount -t proc proc /proc
mount -t sysfs sys /sys 2>/dev/null
mkdir -p /dev/shm /dev/pts
mount -t tmpfs shm /dev/shm
mount -t devpts pts /dev/pts
export HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin
cd "$project"
echo "guest: \$(uname -m), \$(/usr/lib/wine/wine --version)"
# The header audit needs the mingw binutils and has run on the host.
# Through a file, so that ctest sees no terminal and writes no colour codes.
status=0
xvfb-run -a ctest --preset windows -E pe_audit > /tmp/ctest.log 2>&1 || status=\$?
cat /tmp/ctest.log
echo "lumiqa-guest-status: \$status"
sync
echo o > /proc/sysrq-trigger
sleep 60
GUEST
chmod +x "$root/lumiqa-tests"
rm -f "$image"
mkfs.ext4 -q -F -d "$root" "$image" 4G

kernel=$(ls "$root"/boot/vmlinuz-* | tail -1)
initrd=$(ls "$root"/boot/initrd.img-* | tail -1)
log=$project/build/emulator/console.log
# qemu64 with the SSE levels Wine expects: "-cpu max" trips a fault in 32-bit
# code under this QEMU's emulation.
timeout 1500 qemu-system-x86_64 -machine q35 -accel tcg,thread=multi -smp 2 -m 4G \
  -cpu qemu64,+ssse3,+sse4.1,+sse4.2,+popcnt \
  -kernel "$kernel" -initrd "$initrd" -drive "file=$image,format=raw,if=virtio" \
  -append "root=/dev/vda rw console=ttyS0 init=/lumiqa-tests quiet panic=-1" \
  -nographic -no-reboot -nic none > "$log" 2>&1 || true
# The guest's own lines, without the kernel's and the firmware's.
grep -aE '^(.*guest: |Test project|    Start|[0-9]+/[0-9]+ Test|[0-9]+% tests|Total Test|The following|	|lumiqa-guest|\[  |Running main|\[=|\[-|.*Failure)' "$log" |
  grep -avE '^\[ *[0-9]+\.[0-9]+\]' | sed 's/^.*\(guest: \)/\1/' || true
grep -aq '^lumiqa-guest-status: 0' "$log"
