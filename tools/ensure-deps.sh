#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when
# they are missing. As root it installs them; otherwise it names them and fails.
set -euo pipefail
want=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
      libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
      nlohmann-json3-dev libcpp-httplib-dev prometheus dbus-daemon dbus-bin python3-jsonschema
      desktop-file-utils appstream scdoc man-db librsvg2-bin libssl-dev libcrypt-dev openssl systemd
      libsqlite3-dev qt6-charts-dev libqt6opengl6-dev)
missing=()
for p in "${want[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
