#!/bin/bash
# Runs the window-manager tests on a real X server (Xvfb, 1280x900) with a
# real window manager (openbox): what the offscreen platform cannot show
# (minimising, placement by the window manager, frames) is checked there.
# Skipped (exit 77) where Xvfb or openbox is not installed.
set -u
tests="$1"
for tool in Xvfb openbox xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (bash scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$(cat "$work/display")"

HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# openbox announces itself on the root window once it manages windows.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    echo "openbox did not start:"; cat "$work/openbox.log"; exit 1
fi

QT_QPA_PLATFORM=xcb GLIMMORA_NO_AUDIO=1 "$tests"
