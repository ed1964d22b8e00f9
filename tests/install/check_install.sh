#!/usr/bin/env bash
# Installs the build into a throwaway root (DESTDIR) and checks what landed
# where: the program with its marker, its pictures in the data folder, the
# command that runs it, the icons, both desktop entries (valid, and the
# autostart one starting the monitor in the tray), the metainfo, the manual
# pages, the system configuration folder, and no stand-in library unless asked
# for. Then `make uninstall` must leave the root empty.
# usage: check_install.sh <build dir> <prefix> <bindir> <libdir> <datadir> <autostart dir> <config dir> <mandir>
set -u
build=$1 prefix=$2 bindir=$3 libdir=$4 datadir=$5 autostart=$6 configdir=$7 mandir=$8
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
root=$(mktemp -d) || exit 1
# The build's own record of a real install is kept aside and put back.
kept=$(mktemp -d) || exit 1
for record in "$build"/install_manifest*.txt "$build/install_folders.txt"; do
    [ -e "$record" ] && mv "$record" "$kept/"
done
restore() {
    rm -f "$build"/install_manifest*.txt "$build/install_folders.txt"
    for record in "$kept"/*; do [ -e "$record" ] && mv "$record" "$build/"; done
    rm -rf "$root" "$kept"
}
trap restore EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() { [ -e "$root$1" ] || fail "missing $1"; }

# uninstall <root>: `make uninstall` removes every file, link and folder of ours.
uninstall() {
    make -s -C "$source_dir" uninstall BUILD="$build" DESTDIR="$1" >"$1.log" 2>&1 ||
        { cat "$1.log"; fail "make uninstall"; }
    rm -f "$1.log"
    left=$(find "$1" -mindepth 1 | head -5)
    [ -z "$left" ] || fail "left after make uninstall: $left"
}

DESTDIR="$root" cmake --install "$build" >"$root.log" 2>&1 || { cat "$root.log"; fail "install"; }
rm -f "$root.log"

program="$libdir/orvan-status-monitor/OrvanStatusMonitor"
need "$program"
[ -x "$root$program" ] || fail "$program is not executable"
# The pictures are in the data folder only.
for picture in P_READY.gif P_ERROR.gif LOGO.gif YMCK.gif orvan-status-monitor.png; do
    need "$datadir/orvan-status-monitor/$picture"
    [ -e "$root$libdir/orvan-status-monitor/$picture" ] && fail "$picture is still beside the program"
done
need "$libdir/orvan-status-monitor/OrvanStatusMonitor.installed"

link="$bindir/orvan-status-monitor"
[ -L "$root$link" ] || fail "$link is not a link"
[ "$(readlink -f "$root$link")" = "$(readlink -f "$root$program")" ] || fail "$link does not reach the program"

need "$datadir/icons/hicolor/scalable/apps/orvan-status-monitor.svg"
for size in 16 22 24 32 48 64 128 256; do
    icon="$datadir/icons/hicolor/${size}x${size}/apps/orvan-status-monitor.png"
    need "$icon"
    [ -e "$root$icon" ] && ! file "$root$icon" | grep -q "PNG image data, $size x $size," &&
        fail "$icon is not a $size x $size PNG"
done
need "$datadir/metainfo/io.github.orvan.StatusMonitor.metainfo.xml"
for page in orvan-status-monitor.1 orvan-status.1 orvan-settings.1 orvan-sim.1; do
    need "$mandir/man1/$page"
done
desktop="$datadir/applications/orvan-status-monitor.desktop"
auto="$autostart/orvan-status-monitor.desktop"
need "$desktop"
need "$auto"
for entry in "$desktop" "$auto"; do
    [ -e "$root$entry" ] || continue
    desktop-file-validate "$root$entry" || fail "$entry is not a valid desktop entry"
    grep -qx "Icon=orvan-status-monitor" "$root$entry" || fail "$entry has no program icon"
done
grep -qx "Exec=$bindir/orvan-status-monitor" "$root$desktop" || fail "$desktop runs something else"
grep -qx "Exec=$bindir/orvan-status-monitor -s" "$root$auto" || fail "$auto does not start in the tray"
[ -d "$root$configdir" ] || fail "no system configuration folder $configdir"

# orvan-status and orvan-settings beside the monitor (one configuration),
# each with a link on the PATH, the monitoring files and schemas, and
# systemd user units that systemd accepts.
for tool in orvan-status orvan-settings; do
    installed="$libdir/orvan-status-monitor/$tool"
    [ -x "$root$installed" ] || fail "$installed is not installed"
    [ "$(readlink -f "$root$bindir/$tool")" = "$(readlink -f "$root$installed")" ] ||
        fail "$bindir/$tool does not reach $installed"
done
for file in orvan-status.schema.json orvan-settings.schema.json orvan-alerts.yml scrape-config.yml; do
    need "$datadir/orvan-status-monitor/monitoring/$file"
done
units="$prefix/lib/systemd/user"
for unit in orvan-status-serve.service orvan-status-textfile.service orvan-status-textfile.timer; do
    need "$units/$unit"
done
if command -v systemd-analyze >/dev/null; then
    # Verified where the staged program is: the units name its installed path.
    staged=$(mktemp -d) runtime=$(mktemp -d)
    chmod 700 "$runtime"
    for unit in "$root$units"/*; do
        sed "s#$bindir/orvan-status#$root$bindir/orvan-status#" "$unit" >"$staged/$(basename "$unit")"
    done
    grep -q "ExecStart=$bindir/orvan-status --serve" "$root$units/orvan-status-serve.service" ||
        fail "the serve unit runs something else"
    XDG_RUNTIME_DIR="$runtime" systemd-analyze --user verify "$staged"/* ||
        fail "systemd-analyze verify refuses the user units"
    rm -rf "$staged" "$runtime"
fi

stray=$(find "$root" \( -name 'libLNK*' -o -name 'libHueAdvisor*' -o -name orvan-sim \) -print)
[ -z "$stray" ] || fail "stand-ins installed without being asked for: $stray"

# The links made by the install are in its manifest, so that they go again.
for link in "$bindir/orvan-status-monitor" "$bindir/orvan-status"; do
    grep -qx "$link" "$build/install_manifest.txt" || fail "$link is not in the install manifest"
done
# A file put into the configuration folder after the install is the
# administrators': the folder stays, and only it.
touch "$root$configdir/OrvanStatusMonitor.ini"
make -s -C "$source_dir" uninstall BUILD="$build" DESTDIR="$root" >/dev/null 2>&1 || fail "make uninstall"
left=$(cd "$root" && find . -type f -o -type l)
[ "$left" = "./${configdir#/}/OrvanStatusMonitor.ini" ] ||
    fail "make uninstall leaves other than the saved configuration: $left"
# Installed again and uninstalled with nothing of its own added: the root is empty.
rm -rf "${root:?}"/*
DESTDIR="$root" cmake --install "$build" >/dev/null 2>&1 || fail "install again"
uninstall "$root"

# Asked for, they install beside the system libraries, where the monitor looks.
stand_ins=$(mktemp -d) || exit 1
DESTDIR="$stand_ins" cmake --install "$build" --component StandIns >/dev/null 2>&1 || fail "stand-ins install"
for lib in libLNKCMD.so libLNKSET.so libLNKCOM.so libHueAdvisor.so; do
    [ -e "$stand_ins$libdir/$lib" ] || fail "stand-in $lib not in $libdir"
done
[ -x "$stand_ins$bindir/orvan-sim" ] || fail "orvan-sim not in $bindir"
uninstall "$stand_ins"
rm -rf "$stand_ins"

[ "$failures" -eq 0 ] && echo "install into a throwaway root: all in place"
exit $((failures > 0))
