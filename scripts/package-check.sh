#!/usr/bin/env bash
# Builds the Debian package with cpack, checks its control fields and contents, then installs it
# with apt-get into a clean Debian 12 root made by debootstrap in a temporary folder (never into
# this machine's own system) and runs there what it installed. Every fault is named; exit 1 if any.
# Usage: package-check.sh [BUILD_DIR]      (default build/, configured and built)
#   The installation needs root and the network; ZEPH_PACKAGE_CHECK_INSTALL=0 leaves it out.
#   ZEPH_DEBIAN_MIRROR names the mirror for debootstrap (default: debootstrap's own).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
build=$(realpath "${1:-build}")
tmp=$(mktemp -d "${TMPDIR:-/tmp}/zepharin-package.XXXXXX") || exit 1
root=$tmp/root
faults=0

# Unmounts the root's /proc, and whatever a failed debootstrap left mounted there, deepest first.
unmount_root()
{
    local mount
    while IFS= read -r mount; do
        umount "$mount" || { echo "package-check: could not unmount $mount" >&2; return 1; }
    done < <(awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/mounts | sort -r)
}

simulator=
cleanup()
{
    if [[ -n $simulator ]]; then
        kill "$simulator" 2>/dev/null
        wait "$simulator" 2>/dev/null
    fi
    unmount_root || { echo "package-check: $tmp is left in place" >&2; return; }
    rm -rf --one-file-system "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

step() { echo "== $*"; }
fault()
{
    echo "FAULT: $*"
    faults=$((faults + 1))
}
die()
{
    echo "package-check: $*" >&2
    exit 1
}
# check DESCRIPTION COMMAND...: a fault when the command fails.
check() { local what=$1; shift; "$@" || fault "$what"; }
has_line() { grep -qxF -- "$2" <<<"$1"; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n $version ]] || die "$build is not a configured build folder"
arch=$(dpkg --print-architecture)

step "cpack -G DEB"
start=$SECONDS
(cd "$build" && cpack -G DEB -B "$tmp/out") >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; die "cpack failed"; }
deb=$tmp/out/zepharin_${version}_${arch}.deb
[[ -f $deb ]] || { ls "$tmp/out"; die "cpack made no $(basename "$deb")"; }
echo "$(basename "$deb") in $((SECONDS - start)) s"

step "control fields"
field() { dpkg-deb --field "$deb" "$1"; }
dpkg-deb --field "$deb"
check "Package is not zepharin" test "$(field Package)" = zepharin
check "Version is not $version" test "$(field Version)" = "$version"
check "Architecture is not $arch" test "$(field Architecture)" = "$arch"
check "no Section" test -n "$(field Section)"
check "no Maintainer" test -n "$(field Maintainer)"
# A summary line and an extended description of several lines under it.
check "the Description has no extended part" test "$(field Description | wc -l)" -ge 4
depends=$(field Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 \
               fonts-liberation; do
    has_line "$depends" "$package" || fault "Depends lacks $package"
done
recommends=$(field Recommends)
for package in shared-mime-info desktop-file-utils; do
    [[ $recommends == *"$package"* ]] || fault "Recommends lacks $package"
done

step "contents"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for path in /usr/bin/zepharin /usr/bin/zepharin-report \
            /usr/share/man/man1/zepharin.1.gz /usr/share/man/man1/zepharin-report.1.gz \
            /usr/share/applications/zepharin.desktop /usr/share/icons/hicolor/scalable/apps/zepharin.svg \
            /usr/share/mime/packages/zepharin.xml \
            /usr/share/zepharin/instruct.doc /usr/share/zepharin/ZpISpIns.doc \
            /usr/share/zepharin/Exhaust.wav /usr/share/zepharin/Error.wav; do
    has_line "$contents" "$path" || fault "the package lacks $path"
done
# Nothing outside /usr, and none of the desktop's caches, which belong to the system's own tools.
while IFS= read -r path; do
    case "$path" in
    / | /usr/* | /usr) ;;
    *) fault "the package installs $path outside /usr" ;;
    esac
    case "$path" in
    /usr/share/mime/* | /usr/share/applications/* | /usr/share/icons/hicolor/*)
        [[ $path == */ || $path =~ (zepharin\.(xml|desktop|svg)|/)$ ]] || fault "the package holds the cache $path" ;;
    esac
done <<<"$contents"
dpkg-deb -x "$deb" "$tmp/x" || die "dpkg-deb -x failed"
for program in zepharin zepharin-report; do
    readelf -S --wide "$tmp/x/usr/bin/$program" | grep -qE '\.(debug_info|symtab) ' && fault "$program is not stripped"
done
# gzip -9n: no file name and no time stamp in the header (flags byte 3, time bytes 4..7).
for page in "$tmp"/x/usr/share/man/man1/*.gz; do
    gzip -t "$page" || fault "$page is not a whole gzip file"
    header=$(od -An -tu1 -j3 -N5 "$page" | tr -s ' ')
    [[ $header == " 0 0 0 0 0" ]] || fault "$(basename "$page") carries a name or time stamp (gzip header:$header)"
done
check "desktop-file-validate finds fault with the entry" \
    test -z "$(desktop-file-validate "$tmp/x/usr/share/applications/zepharin.desktop" 2>&1)"

if [[ ${ZEPH_PACKAGE_CHECK_INSTALL:-1} == 0 ]]; then
    echo "installation into a clean root left out (ZEPH_PACKAGE_CHECK_INSTALL=0)"
else
    [[ $(id -u) == 0 ]] || die "installing into a debootstrap root needs root (ZEPH_PACKAGE_CHECK_INSTALL=0 leaves it out)"
    command -v debootstrap >/dev/null || die "debootstrap is not installed (scripts/deps.sh installs it)"

    step "debootstrap --variant=minbase bookworm"
    start=$SECONDS
    made=0
    for attempt in 1 2; do
        unmount_root || die "cannot clear the root of a failed attempt"
        rm -rf --one-file-system "$root"
        # shellcheck disable=SC2086 # an empty mirror is left out
        if debootstrap --variant=minbase bookworm "$root" ${ZEPH_DEBIAN_MIRROR:-} >"$tmp/debootstrap.log" 2>&1; then
            made=1
            break
        fi
        echo "debootstrap attempt $attempt failed:"
        tail -n 5 "$tmp/debootstrap.log"
    done
    ((made)) || die "debootstrap could not make a Debian 12 root in two attempts (network? mirror?)"
    echo "the clean root in $((SECONDS - start)) s"

    # The root's own programs, with a clean environment; its apt cache stays inside it.
    in_root()
    {
        chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
            DEBIAN_FRONTEND=noninteractive QT_QPA_PLATFORM=offscreen "$@"
    }
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount -t proc proc "$root/proc" || die "cannot mount /proc in the root"

    step "apt-get install ./$(basename "$deb")"
    start=$SECONDS
    in_root apt-get update -qq || die "apt-get update failed in the root"
    # The caches' tools first, so that the package's installation fires their triggers.
    in_root apt-get install -y -qq --no-install-recommends shared-mime-info desktop-file-utils man-db \
        >"$tmp/apt.log" 2>&1 || { tail -n 20 "$tmp/apt.log"; die "the tools could not be installed in the root"; }
    cp "$deb" "$root/tmp/"
    # Without Recommends: what Depends pulls in must be enough to run.
    in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" >"$tmp/apt.log" 2>&1 ||
        { tail -n 20 "$tmp/apt.log"; die "apt-get could not install the package"; }
    echo "installed in $((SECONDS - start)) s, $(in_root dpkg-query -W -f '.\n' | wc -l) packages in the root"

    step "the installed package"
    missing=$(in_root ldd /usr/bin/zepharin /usr/bin/zepharin-report | grep 'not found')
    [[ -z $missing ]] || fault "shared libraries not found: $missing"
    out=$(in_root zepharin --version 2>&1)
    echo "zepharin --version: $out"
    [[ $out == "zepharin $version" ]] || fault "zepharin --version says: $out"
    out=$(in_root zepharin-report events --gear fwd --csv 2>&1)
    status=$?
    echo "zepharin-report events --gear fwd --csv: $(tail -n 1 <<<"$out")"
    [[ $status == 0 && $(head -n 1 <<<"$out") == gear,* && $(wc -l <<<"$out") == 2 ]] ||
        fault "zepharin-report events --gear fwd --csv gave: $out"
    # A picture: the report loads Qt's offscreen platform and draws in the installed fonts.
    out=$(in_root zepharin-report diagram ports --png /tmp/ports.png 2>&1)
    [[ $(head -c 4 "$root/tmp/ports.png" 2>/dev/null | od -An -c | tr -d ' ') == "211PNG" ]] ||
        fault "zepharin-report diagram ports wrote no PNG: $out"
    # The simulator started offscreen from / with a design that does not exist: once its window is
    # up it refuses the design on stderr, and it would have said so first if it missed its data.
    mkfifo "$tmp/stderr"
    in_root zepharin /tmp/absent.dzg 2>"$tmp/stderr" >/dev/null &
    simulator=$!
    said=$(timeout 300 grep -m 1 -E 'Cannot open the design|Error Loading' <"$tmp/stderr")
    kill "$simulator" 2>/dev/null
    wait "$simulator" 2>/dev/null
    simulator=
    echo "the simulator offscreen: $said"
    [[ $said == *"Cannot open the design /tmp/absent.dzg"* ]] || fault "the simulator's start-up said: ${said:-nothing}"
    out=$(in_root desktop-file-validate /usr/share/applications/zepharin.desktop 2>&1)
    [[ -z $out ]] || fault "desktop-file-validate in the root: $out"
    # dpkg's triggers refreshed the type database and the desktop entries' type list.
    grep -qF 'application/x-zepharin-design:*.dzg' "$root/usr/share/mime/globs2" 2>/dev/null ||
        fault "the type database does not know *.dzg"
    grep -qE '^application/x-zepharin-design=(.*;)?zepharin\.desktop' "$root/usr/share/applications/mimeinfo.cache" \
        2>/dev/null || fault "the desktop's type list does not open designs with zepharin"
    for page in zepharin zepharin-report; do
        out=$(in_root man --warnings -l "/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
        [[ -z $out ]] || fault "man -l $page: $out"
        out=$(in_root env MANPAGER=cat MANWIDTH=80 man "$page" 2>&1)
        [[ $out == *"SEE ALSO"* ]] || fault "man $page shows: $(head -n 3 <<<"$out")"
    done
fi

if ((faults > 0)); then
    echo "package-check: $faults fault(s)" >&2
    exit 1
fi
echo "package-check: $(basename "$deb") is sound"
