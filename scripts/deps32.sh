#!/usr/bin/env bash
# Installs the Debian packages of the 32-bit jobs, when they are missing.
#   scripts/deps32.sh linux32   32-bit Linux build (g++ -m32, i386 BLAS/LAPACK, GoogleTest)
#   scripts/deps32.sh dll       kiv2.dll (mingw-w64 i686 C/C++/Fortran, LAPACK source access)
#   scripts/deps32.sh wine      wine with its 32-bit half, to run the Windows smoke host
#   scripts/deps32.sh emulator  qemu-i386, for kernels that cannot run 32-bit x86 programs
# Exits 0 when everything is present (or was installed), 1 when it could not be.
set -euo pipefail

case "${1:-}" in
  linux32) wanted=(g++-multilib liblapack-dev:i386 libblas-dev:i386 libgtest-dev:i386) ;;
  dll) wanted=(g++-mingw-w64-i686-win32 gfortran-mingw-w64-i686-win32 dpkg-dev) ;;
  wine) wanted=(wine wine32:i386) ;;
  emulator) wanted=(qemu-user) ;;
  *) echo "usage: $0 linux32|dll|wine|emulator" >&2; exit 2 ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

missing=()
for p in "${wanted[@]}"; do installed "$p" || missing+=("$p"); done
# The DLL build also fetches the reference LAPACK sources, which needs a
# deb-src entry.
need_src=0
if [ "$1" = dll ] && ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
  need_src=1
fi
[ ${#missing[@]} -eq 0 ] && [ $need_src -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them as root: $0 $1" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  update=1
fi
if [ $need_src -eq 1 ]; then
  # Source entries for the main archive, mirroring the binary ones.
  src=/etc/apt/sources.list.d/kiv2-deb-src.sources
  uri=$(grep -h -m1 -E '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}')
  uri=${uri:-http://deb.debian.org/debian}
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$uri" "$suite" > "$src"
  update=1
fi
if [ $update -eq 1 ] || [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
  exit 0
fi
# When the i386 security index is out of step with amd64's, the multi-arch
# packages cannot agree on a version; preferring the main archive resolves it.
echo "Retrying with the security archive pinned below the main archive"
pin=$(mktemp)
trap 'rm -f "$pin"' EXIT
printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' > "$pin"
apt-get install -y -qq --no-install-recommends -o Dir::Etc::Preferences="$pin" "${missing[@]}"
