#!/usr/bin/env bash
# Proves the README's two commands on a machine that has nothing installed: builds (once,
# then cached) a minimal Debian 12 root, clones the committed HEAD into it and runs there,
# as a newcomer would, the test command and then the run command for about 15 seconds.
# Then it builds the Debian package there, installs it into a second fresh root with
# apt-get (which must resolve every dependency), and runs the installed programs.
#
#   scripts/fresh-machine-test.sh            # needs root (chroot and mounts)
#
# DEVU_FRESH_CACHE (default /var/cache/devu-fresh) keeps the root's tarball and apt's
# downloads between runs; DEVU_FRESH_KEEP=1 leaves the root in place for a look inside.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${DEVU_FRESH_CACHE:-/var/cache/devu-fresh}
suite=bookworm
tarball=$cache/$suite-apt.tar
mirror=http://deb.debian.org/debian
run_seconds=15
installed_seconds=5

if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-machine-test: must run as root (it uses chroot and mount)" >&2
    exit 1
fi

mkdir -p "$cache/apt-archives/partial"

if ! command -v mmdebstrap >/dev/null 2>&1; then
    echo "== Installing mmdebstrap"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends mmdebstrap
fi

if [ ! -s "$tarball" ]; then
    echo "== Building a minimal Debian root ($suite, variant apt) into $tarball"
    mmdebstrap --variant=apt --mode=root --format=tar "$suite" "$tarball.partial" \
        "deb $mirror $suite main" \
        "deb $mirror $suite-updates main" \
        "deb http://deb.debian.org/debian-security $suite-security main"
    mv "$tarball.partial" "$tarball"
fi

root=$(mktemp -d /tmp/devu-fresh-root.XXXXXX)
roots=("$root")
mounts=()

cleanup() {
    local status=$?
    set +e
    # Nothing may outlive the run inside a root, or its mounts stay busy.
    for proc in /proc/[0-9]*; do
        for r in "${roots[@]}"; do
            if [ "$(readlink "$proc/root" 2>/dev/null)" = "$r" ]; then
                kill -9 "${proc#/proc/}" 2>/dev/null
            fi
        done
    done
    # Unmount in reverse order; a busy mount (a process still inside) is detached lazily.
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}"
    done
    for r in "${roots[@]}"; do
        if [ "${DEVU_FRESH_KEEP:-0}" = 1 ]; then
            echo "fresh-machine-test: root kept at $r"
        elif ! grep -q " $r" /proc/mounts; then
            rm -rf "$r"
        else
            echo "fresh-machine-test: $r still has mounts; left in place" >&2
        fi
    done
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

bind() {
    mkdir -p "$2"
    mount --bind "$1" "$2"
    mounts+=("$2")
}

# A fresh root from the tarball, with what programs inside expect to find mounted.
prepare_root() {
    local r=$1
    echo "== Unpacking a fresh root into $r"
    tar -C "$r" -xf "$tarball"
    cp /etc/resolv.conf "$r/etc/resolv.conf"
    mount -t proc proc "$r/proc" && mounts+=("$r/proc")
    mount -t sysfs sysfs "$r/sys" && mounts+=("$r/sys")
    bind /dev "$r/dev"
    mount -t devpts -o newinstance,ptmxmode=0666 devpts "$r/dev/pts" && mounts+=("$r/dev/pts")
    mount -t tmpfs tmpfs "$r/tmp" && mounts+=("$r/tmp")
    # apt's downloads survive between runs; the package lists do not, as on a new machine.
    bind "$cache/apt-archives" "$r/var/cache/apt/archives"
}

prepare_root "$root"

commit=$(git -C "$repo" rev-parse HEAD)
echo "== Cloning $commit into the root"
git clone --quiet --no-hardlinks "$repo" "$root/root/devudirurero"
git -C "$root/root/devudirurero" checkout --quiet --detach "$commit"

inside() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM=dumb "$@"
}

echo "== The README's test command: scripts/test.sh"
inside /bin/bash -c 'cd /root/devudirurero && scripts/test.sh'

echo "== The README's run command: scripts/run.sh (offscreen, ${run_seconds} s)"
log=$root/tmp/run.log
# Every step from chroot to the program execs in place, so this PID becomes the program.
(exec chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen /bin/bash -c 'cd /root/devudirurero && exec scripts/run.sh') >"$log" 2>&1 &
pid=$!
program=$root/root/devudirurero/build/bin/devudirurero
# run.sh first installs and builds (both no-ops by now), then execs the program: wait for
# the exec, so that the 15 seconds count for the program alone.
started=0
for _ in $(seq 1 600); do
    kill -0 "$pid" 2>/dev/null || break
    if [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ]; then
        started=1
        break
    fi
    sleep 0.5
done
if [ "$started" != 1 ]; then
    echo "fresh-machine-test: the program did not start" >&2
    cat "$log" >&2
    exit 1
fi
sleep "$run_seconds"
if ! kill -0 "$pid" 2>/dev/null; then
    echo "fresh-machine-test: the program ended within ${run_seconds} seconds" >&2
    cat "$log" >&2
    exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "== The program ran for ${run_seconds} seconds"
sed 's/^/   | /' "$log" | tail -n 20

echo "== The Debian package: cpack -G DEB"
inside /bin/bash -c 'cd /root/devudirurero/build && cpack -G DEB'
packages=("$root"/root/devudirurero/build/devudirurero_*.deb)
if [ ! -f "${packages[0]}" ]; then
    echo "fresh-machine-test: cpack made no package" >&2
    exit 1
fi
package=$(basename "${packages[0]}")
dpkg-deb --info "${packages[0]}" | sed -n 's/^ \(Depends\|Recommends\|Installed-Size\):/   \1:/p'

installed=$(mktemp -d /tmp/devu-fresh-installed.XXXXXX)
roots+=("$installed")
prepare_root "$installed"
cp "${packages[0]}" "$installed/tmp/$package"
in_installed() {
    chroot "$installed" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 TERM=dumb \
        DEBIAN_FRONTEND=noninteractive "$@"
}
echo "== Installing $package into the second root: apt-get install ./$package"
in_installed /bin/bash -c "apt-get update -qq && cd /tmp && apt-get install -y -q ./$package"

echo "== The installed devudirurero-cli draws"
draws=$(in_installed devudirurero-cli draws | wc -l)
if [ "$draws" != 420 ]; then
    echo "fresh-machine-test: the installed devudirurero-cli draws printed $draws draws, not 420" >&2
    exit 1
fi
echo "   420 draws, from the per-user copy of /usr/share/devudirurero"

echo "== The installed manual pages: man devudirurero-cli, man devudirurero"
in_installed /bin/bash -c "apt-get install -y -q --no-install-recommends man-db >/dev/null"
for page in devudirurero-cli devudirurero; do
    if ! in_installed man -P cat "$page" 2>/dev/null | grep -q "^SYNOPSIS"; then
        echo "fresh-machine-test: man $page shows no manual page" >&2
        exit 1
    fi
done
echo "   both pages found"

echo "== The installed program (offscreen, ${installed_seconds} s)"
installed_log=$installed/tmp/installed.log
(exec chroot "$installed" /usr/bin/env -i HOME=/root PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    /usr/bin/devudirurero) >"$installed_log" 2>&1 &
installed_pid=$!
sleep "$installed_seconds"
if ! kill -0 "$installed_pid" 2>/dev/null; then
    echo "fresh-machine-test: the installed program ended within ${installed_seconds} seconds" >&2
    cat "$installed_log" >&2
    exit 1
fi
kill "$installed_pid"
wait "$installed_pid" 2>/dev/null || true
sed 's/^/   | /' "$installed_log" | tail -n 20
echo "fresh-machine-test: passed"
