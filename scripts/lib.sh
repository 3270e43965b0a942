# Shared paths and helpers for the project's scripts; sourced, not run.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Everything the set-up makes lives outside the work tree so that a fresh
# checkout (as CI uses) finds it again.
CORVINA_HOME=${CORVINA_HOME:-/opt/corvina2}
# The Windows preset finds libjpeg-turbo through this variable.
export CORVINA_JPEG_PREFIX=$CORVINA_HOME/libjpeg-turbo-mingw
JPEG_PREFIX=$CORVINA_JPEG_PREFIX
# The prepared prefix; runs work in copies of it (use_private_wineprefix),
# which reach the scripts a run starts (CTest's Wine runners) through
# CORVINA_RUN_WINEPREFIX.
PREPARED_WINEPREFIX=${CORVINA_WINEPREFIX:-$CORVINA_HOME/wineprefix}
export WINEPREFIX=${CORVINA_RUN_WINEPREFIX:-$PREPARED_WINEPREFIX}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# Wine mangles non-ASCII file names under the C locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

log() { printf '== %s\n' "$*" >&2; }

# Starts a private Xvfb and exports DISPLAY. Xvfb picks a free display
# number itself (-displayfd), so two runs starting at once never end up on
# the same screen. The caller owns XVFB_PID and calls stop_xvfb.
start_xvfb() {
    local size=${1:-1024x768x24} number_file i n
    number_file=$(mktemp) || return 1
    Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    # A busy machine can take a while; the screen counts once a client
    # can really open it.
    for i in $(seq 1 300); do
        n=$(head -n1 "$number_file")
        if [[ $n =~ ^[0-9]+$ ]] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
            rm -f "$number_file"
            export DISPLAY=":$n"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$number_file"
    stop_xvfb
    echo "could not start Xvfb" >&2
    return 1
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

setup_is_current() {
    [ -f "$CORVINA_HOME/setup.stamp" ] && cmp -s "$CORVINA_HOME/setup.stamp" "$ROOT/scripts/setup" &&
        [ -f "$JPEG_PREFIX/lib/libjpeg.a" ] && [ -f "$JPEG_PREFIX/include/jpeglib.h" ] &&
        [ -f "$PREPARED_WINEPREFIX/.corvina2-fonts" ] && [ -f "$PREPARED_WINEPREFIX/system.reg" ]
}

ensure_setup() {
    setup_is_current || "$ROOT/scripts/setup"
}

# Gives this run a Wine prefix of its own, a copy of the prepared one: its
# wineserver serves only this run's programs, so ending it ends nothing that
# another run started, and one run's single-instance marker or virtual
# desktop never meets another's. The caller calls end_private_wineprefix.
use_private_wineprefix() {
    PRIVATE_WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/corvina2-wine.XXXXXX") || return 1
    cp -a "$PREPARED_WINEPREFIX/." "$PRIVATE_WINEPREFIX/" || return 1
    export WINEPREFIX=$PRIVATE_WINEPREFIX CORVINA_RUN_WINEPREFIX=$PRIVATE_WINEPREFIX
}

# Ends this run's wineserver (with every program of its prefix) and removes
# the prefix; safe to call twice or without a private prefix.
end_private_wineprefix() {
    [ -n "${PRIVATE_WINEPREFIX:-}" ] || return 0
    # No server left to end is fine.
    WINEPREFIX=$PRIVATE_WINEPREFIX timeout 15 wineserver -k 2>/dev/null || true
    WINEPREFIX=$PRIVATE_WINEPREFIX timeout 15 wineserver -w 2>/dev/null || true
    rm -rf "$PRIVATE_WINEPREFIX"
    PRIVATE_WINEPREFIX=
    unset CORVINA_RUN_WINEPREFIX
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

# The screen's pixel row y as "x colour" lines.
pixel_row() {
    convert "$1" -crop "$(identify -format %w "$1")x1+0+$2" +repage txt:- |
        awk -F'[,: ]+' 'NR > 1 { for (i = 1; i <= NF; i++) if ($i ~ /^#/) { print $1, $i; break } }'
}

# The x centres of the channel tabs in a screenshot: each caption is
# underlined in grey, the selected one in maroon, so the long runs of those
# colours along the tab band are the tabs.
tab_centres() {
    local y
    for y in $(seq 28 42); do
        pixel_row "$1" "$y" | awk '
            $2 == "#808080" || $2 == "#800000" { if (run && $1 == last + 1) { last = $1; next }
                                                if (run && last - first >= 30) print int((first + last) / 2)
                                                run = 1; first = $1; last = $1; next }
            { if (run && last - first >= 30) print int((first + last) / 2); run = 0 }
            END { if (run && last - first >= 30) print int((first + last) / 2) }'
    done | sort -n | awk 'NR == 1 || $1 > prev + 10 { print } { prev = $1 }'
}
