# Shared paths and helpers for the project's scripts; sourced, not run.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Everything the set-up makes lives outside the work tree so that a fresh
# checkout (as CI uses) finds it again.
CORVINA_HOME=${CORVINA_HOME:-/opt/corvina2}
JPEG_PREFIX=$CORVINA_HOME/libjpeg-turbo-mingw
export WINEPREFIX=${CORVINA_WINEPREFIX:-$CORVINA_HOME/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# Wine mangles non-ASCII file names under the C locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

log() { printf '== %s\n' "$*" >&2; }

# Starts a private Xvfb on a free display number and exports DISPLAY.
# The caller owns XVFB_PID and calls stop_xvfb.
start_xvfb() {
    local size=${1:-1024x768x24} n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "$size" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

ensure_setup() {
    if [ ! -f "$CORVINA_HOME/setup.stamp" ] || ! cmp -s "$CORVINA_HOME/setup.stamp" "$ROOT/scripts/setup"; then
        "$ROOT/scripts/setup"
    fi
}

# Fills folder $1 with the demo café's files: pictures as they are, texts
# turned from the repository's UTF-8 into the Big5 a café's files are in.
copy_demo_cafe() {
    local cafe=$1 file
    mkdir -p "$cafe"
    cp -r "$ROOT/demo/LinkBMP" "$ROOT/demo/Backgrounds" "$ROOT/demo/NoPic.bmp" "$cafe/"
    while IFS= read -r -d '' file; do
        mkdir -p "$cafe/$(dirname "$file")"
        iconv -f UTF-8 -t CP950 "$ROOT/demo/text/$file" > "$cafe/$file"
    done < <(cd "$ROOT/demo/text" && find . -type f -printf '%P\0')
}
