# Sourced by the window measurements: installs what they need, then starts an X server
# with a window manager, because what "active" means and what gets repainted both depend
# on one. Sets DISPLAY, XVFB_PID and WORK (a scratch folder removed on exit).
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/common.sh"
install_missing_packages "$ROOT/scripts/packages.txt" "$ROOT/bench/packages.txt"

WORK=$(mktemp -d)
display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do display=$((display + 1)); done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
WM_PID=""
desktop_cleanup() {
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap 'desktop_cleanup; exit' INT TERM
trap desktop_cleanup EXIT
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable >/dev/null 2>&1 &
WM_PID=$!
# The window manager is up once it has announced itself on the root window.
for _ in $(seq 1 100); do xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW && break; sleep 0.1; done

# A fresh home for each launch: no settings, no history, no engine.
fresh_home() {
    rm -rf "$WORK/home"
    mkdir -p "$WORK/home/runtime"
    chmod 700 "$WORK/home/runtime"
}

# Runs a program in the background with a clean environment and the fresh home.
start_clean() {
    local log="$1"
    shift
    # Emptied here, not by the background job's redirection, so that nobody reads the
    # previous program's lines while the new one is still being started.
    : >"$log"
    env -i PATH=/usr/bin:/bin HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/home/runtime" DISPLAY="$DISPLAY" \
        LANGUAGE=en_US ${EXTRA_ENV:-} "$@" >"$log" 2>&1 &
}

# User plus system CPU of a process so far, in clock ticks.
cpu_ticks() {
    awk '{print $14 + $15}' "/proc/$1/stat"
}
