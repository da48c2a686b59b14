#!/usr/bin/env bash
# Builds Quorvit in Release and starts it. Without a display it serves the windows over VNC.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" qt6-qpa-plugins qt6-wayland

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target quorvit -j"$(nproc)"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
    exec ./build-release/quorvit
fi

# No display: serve the windows with Qt's VNC platform on 127.0.0.1 only. The plugin listens on
# every interface, so it runs in a private network namespace and only a loopback port leads in.
ensure_packages socat iproute2 util-linux
port=${QUORVIT_VNC_PORT:-5900}
echo "No display found: Quorvit is served over VNC on 127.0.0.1:$port."
echo "Connect a VNC viewer to it, e.g. 'vncviewer 127.0.0.1::$port' (from another machine,"
echo "forward the port first: 'ssh -L $port:127.0.0.1:$port this-host'). Stop it with Ctrl+C."
export QT_QPA_PLATFORM="vnc:size=1280x800:port=5900"
if unshare --net true 2>/dev/null; then
    socket=$(mktemp -u /tmp/quorvit-vnc.XXXXXX)
    socat "TCP-LISTEN:$port,bind=127.0.0.1,reuseaddr,fork" "UNIX-CONNECT:$socket" &
    proxy=$!
    trap 'kill $proxy 2>/dev/null; rm -f "$socket"' EXIT
    unshare --net sh -c "ip link set lo up && { socat UNIX-LISTEN:$socket,fork TCP:127.0.0.1:5900 & } && exec ./build-release/quorvit"
else
    echo "Warning: no network namespace can be made here; the VNC port is open on every interface."
    export QT_QPA_PLATFORM="vnc:size=1280x800:port=$port"
    exec ./build-release/quorvit
fi
