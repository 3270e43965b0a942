#!/usr/bin/env bash
# End-to-end cases: Corvina2.exe and cafe-sim.exe in a temporary café folder,
# both in one Wine virtual desktop of a fixed size. Every wait is on
# something observable (a log line, a file, a process ending), with a
# deadline. A failing case keeps both logs and a screenshot in the artifact
# folder and prints the logs.
#
#   e2e.sh Corvina2.exe cafe-sim.exe artifact-folder [case ...]
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib.sh"

MENU_EXE=$(realpath "$1")
SIM_EXE=$(realpath "$2")
ARTIFACTS=$3
shift 3

DESKTOP_SIZE=1024x768
WAIT_S=30
# The menu gives up on a café client after 5 s; the hung one sleeps longer.
HANG_MS=9000

PIDS=()
SIMS=()
DESKTOP_PID=
CASE=
CAFE=
FAILED=()

started_xvfb=
if [ -z "${DISPLAY:-}" ]; then
    start_xvfb "${DESKTOP_SIZE}x24" || exit 1
    started_xvfb=1
fi

# --- processes ----------------------------------------------------------

desktop_name() { echo "corvina-e2e-$CASE-$$"; }

# The case's virtual desktop, held open by a process of its own, so that
# each program's launcher returns exactly when its program ends. A desktop
# is never used twice: one whose process was ended is not usable again.
start_desktop() {
    (exec setsid wine explorer "/desktop=$(desktop_name),$DESKTOP_SIZE" >/dev/null 2>&1 </dev/null) &
    DESKTOP_PID=$!
    wait_until "the virtual desktop" desktop_shown
}
desktop_shown() { xwininfo -root -children 2>/dev/null | grep -qF "\"$(desktop_name) - Wine desktop\""; }

# Starts a Windows program in the case's desktop, in the café folder, in a
# process group of its own; prints its process id.
start_windows_program() {
    local name=$1
    shift
    (cd "$CAFE" && exec setsid wine explorer "/desktop=$(desktop_name),$DESKTOP_SIZE" "$@" \
        >"$CAFE/$name.out" 2>&1 </dev/null) &
    echo $!
}

# end_group PID: ends process group PID, by force when it will not go.
end_group() {
    kill -- "-$1" 2>/dev/null || return 0
    local deadline=$((SECONDS + 5))
    while kill -0 -- "-$1" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
    kill -KILL -- "-$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

# The simulators are asked to quit and everything gets a while to end;
# what is left then is ended, the desktop last.
end_programs() {
    local name pid deadline=$((SECONDS + 10))
    for name in "${SIMS[@]}"; do request "$name" "quit"; done
    for pid in "${PIDS[@]}"; do
        while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
        end_group "$pid"
    done
    [ -n "$DESKTOP_PID" ] && end_group "$DESKTOP_PID"
    PIDS=()
    SIMS=()
    DESKTOP_PID=
}

# --- waiting ------------------------------------------------------------

# wait_until DESCRIPTION COMMAND...: polls until the command succeeds.
wait_until() {
    local what=$1 deadline=$((SECONDS + WAIT_S))
    shift
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "timed out waiting for $what"
            return 1
        fi
        sleep 0.1
    done
}

# The simulator's log lines, without their time stamps.
events() { [ -f "$CAFE/$1" ] && cut -c25- "$CAFE/$1"; }
logged() { events "$1" | grep -qxF -- "$2"; }
logged_prefix() { events "$1" | grep -q "^$(printf '%s' "$2" | sed 's/[][\.*^$/]/\\&/g')"; }
# at_least N LOG PATTERN: N or more events match the extended regex.
at_least() { [ "$(events "$2" | grep -cE -- "$3")" -ge "$1" ]; }
ended() { ! kill -0 "$1" 2>/dev/null; }
gone() { [ ! -e "$1" ]; }

# --- the simulator ------------------------------------------------------

# start_sim NAME SCENARIO-LINES...: sim NAME logs to NAME.log.
start_sim() {
    local name=$1
    shift
    printf '%s\r\n' "[Scenario]" "$@" >"$CAFE/$name.ini"
    local pid
    pid=$(start_windows_program "$name" "$SIM_EXE" "$name.ini" "$name.log")
    PIDS+=("$pid")
    SIMS+=("$name")
    wait_until "$name to start" logged_prefix "$name.log" "info start window="
}

# request NAME LINE...: appends requests to the simulator's command file.
request() {
    local name=$1
    shift
    printf '%s\n' "$@" >>"$CAFE/$name.log.in"
}

start_menu() {
    MENU_PID=$(start_windows_program menu "$CAFE/Corvina2.exe")
    PIDS+=("$MENU_PID")
}

# --- cases --------------------------------------------------------------

fail() {
    echo "FAIL [$CASE] $*" >&2
    CASE_FAILED=1
}

check() {
    local what=$1
    shift
    "$@" || fail "$what"
}

begin_case() {
    CASE=$1
    CASE_FAILED=
    CAFE=$(mktemp -d /tmp/corvina-e2e.XXXXXX)
    cp "$MENU_EXE" "$CAFE/Corvina2.exe"
    copy_demo_cafe "$CAFE"
    log "e2e case $CASE in $CAFE"
    start_desktop
}

screenshot() {
    mkdir -p "$ARTIFACTS/$CASE"
    import -window root "$ARTIFACTS/$CASE/$1.png" 2>/dev/null || true
}

end_case() {
    if [ -n "$CASE_FAILED" ]; then
        screenshot failure
        local file
        for file in "$CAFE"/*.log "$CAFE"/*.out; do
            [ -f "$file" ] || continue
            cp "$file" "$ARTIFACTS/$CASE/"
            echo "--- $(basename "$file")"
            cat "$file"
        done
        FAILED+=("$CASE")
    fi
    end_programs
    rm -rf "$CAFE"
    log "e2e case $CASE: $([ -n "$CASE_FAILED" ] && echo failed || echo passed)"
}

# The menu announces itself at start and confirms the link; the session
# messages then act on it, malformed texts change nothing, and 5027 ends it.
case_session() {
    start_sim sim "AnnounceAnswer=1" "RegisterKey=1" "Left=450" "Top=330" "StayOnTop=1"
    start_menu
    wait_until "the menu's 5024" logged_prefix sim.log "recv msg 5024 wparam=0 lparam=0x" || return
    wait_until "command 212 after 5024" logged sim.log "recv cmd 212:" || return
    check "5024 came before 212" bash -c "cut -c25- '$CAFE/sim.log' | grep -E '^recv (msg|cmd)' | head -n2 |
        paste -sd' ' | grep -q '^recv msg 5024 .* recv cmd 212:$'"
    screenshot handshake

    printf '1,tea,2\r\n' >"$CAFE/GoodsLog.Lst"
    request sim "send 5026"
    wait_until "GoodsLog.Lst to go on 5026" gone "$CAFE/GoodsLog.Lst" || return
    wait_until "the menu's answer to 5026" logged sim.log "answer msg 5026 -> 0" || return

    request sim "text 115" "text 0:zero" "text -3:minus" "text" "text x:y" "text 999:big" \
        "text 115:$(head -c $((1024 * 1024)) /dev/zero | tr '\0' a)" "send 5024"
    wait_until "the menu to answer 5024 after the malformed texts" logged_prefix sim.log "answer msg 5024 -> " ||
        return
    wait_until "a second 212" at_least 2 sim.log '^recv cmd 212:$' || return

    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
}

# A handshake answered with 5025 opens the ordering window, which asks for
# the goods; the session's end closes it and the menu stays.
case_orders() {
    start_sim sim "AnnounceAnswer=5025" "RegisterKey=1" "SessionData=1,now-30,0,A12" "ServerTime=now" \
        "Left=450" "Top=330" "StayOnTop=1" "[Goods]" "1=A01,tea,25" "2=A02,cola,30"
    start_menu
    wait_until "command 212" logged sim.log "recv cmd 212:" || return
    wait_until "the ordering window's request 209" logged sim.log "recv cmd 209:" || return
    check "212 came before 209" bash -c "cut -c25- '$CAFE/sim.log' | grep -E '^recv cmd (212|209):' | head -n1 |
        grep -qx 'recv cmd 212:'"
    wait_until "the goods and times to reach the menu" at_least 1 sim.log '^send cmd 119:.* -> ok$' || return
    check "both goods went to the menu" at_least 2 sim.log '^send cmd 115:A0[12],.* -> ok$'

    screenshot orders

    # Closing the window activates the menu again: a new handshake must not reopen it.
    request sim "set AnnounceAnswer=1" "send 5026"
    wait_until "the menu's answer to 5026" logged sim.log "answer msg 5026 -> 0" || return
    wait_until "the menu's handshake once active again" logged sim.log "recv msg 5024 wparam=0 lparam=0x$(
        events sim.log | grep -m1 -o '^recv msg 5024 wparam=0 lparam=0x[0-9a-f]*' | cut -d x -f 2) -> 1" || return
    screenshot after-session
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
    check "the ordering window opened once" test "$(events sim.log | grep -c '^recv cmd 209:')" -eq 1
}

# A whole session with the customer's clicks: the goods arrive, three teas
# and a cola are bought, the café client gets each line and the log keeps
# them, the charges are asked for and shown, and the session's end clears
# the log. The ordering window's 800 x 600 panel is centred on the desktop.
click_order_window() { xdotool mousemove $((112 + $1)) $((84 + $2)) click 1; sleep 0.3; }
case_purchases() {
    start_sim sim "AnnounceAnswer=5025" "RegisterKey=1" "SessionData=0,now-30,0,A12" "ServerTime=now" \
        "Consumption=125|50|35|0|85" "Left=0" "Top=700" "StayOnTop=1" "[Goods]" "1=A01,tea,25" "2=A02,cola,30"
    start_menu
    wait_until "the goods and times to reach the menu" at_least 1 sim.log '^send cmd 119:.* -> ok$' || return
    sleep 1  # the window's first paint
    local buy
    for buy in 1 2 3; do click_order_window 428 179; done
    click_order_window 428 205
    click_order_window 478 498  # 確認購買
    wait_until "the order lines" logged sim.log "recv cmd 207:A02,cola,1" || return
    check "three teas, then a cola" bash -c "cut -c25- '$CAFE/sim.log' | grep '^recv cmd 207:' | paste -sd'|' |
        grep -qx 'recv cmd 207:A01,tea,3|recv cmd 207:A02,cola,1'"
    check "the order log holds both lines" bash -c "printf 'A01,tea,3\\r\\nA02,cola,1\\r\\n' | cmp -s - '$CAFE/GoodsLog.Lst'"
    screenshot ordered

    click_order_window 678 558  # 查詢消費金額
    wait_until "the query 211" logged sim.log "recv cmd 211:" || return
    sleep 1
    screenshot consumption
    # The menu answers the 120 once its list has closed itself.
    wait_until "the consumption list to close" logged_prefix sim.log "send cmd 120:125|50|35|0|85 -> ok" || return

    request sim "set AnnounceAnswer=1" "send 5026"
    wait_until "GoodsLog.Lst to go on 5026" gone "$CAFE/GoodsLog.Lst" || return
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
}

# A menu started with no café client runs on; a client that comes later
# and announces itself gets the link.
case_late_client() {
    (cd "$CAFE" && wine explorer "/desktop=$(desktop_name),$DESKTOP_SIZE" reg add 'HKCU\Software\Rostik' /f \
        >/dev/null 2>&1 </dev/null)
    start_menu
    start_sim sim "AnnounceAnswer=1"
    # Until the menu's window exists, the simulator finds no menu to send to.
    local tries=0
    until logged_prefix sim.log "answer msg 5024 -> "; do
        request sim "send 5024"
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then
            fail "the menu never answered 5024"
            return
        fi
        wait_until "the simulator to send 5024" at_least "$tries" sim.log '^send msg 5024' || return
    done
    # Inside its handling of the client's 5024 the menu sends 212, and it
    # answers with the client's window.
    check "command 212 answered the client's 5024" bash -c "cut -c25- '$CAFE/sim.log' | awk '
        /^send msg 5024\$/ { open = 1; next }
        open && /^recv cmd 212:\$/ { confirmed = 1 }
        open && /^answer msg 5024 -> / { exit !confirmed }
        END { exit !confirmed }'"
    check "the menu answered with the client's window" logged sim.log \
        "answer msg 5024 -> $(events sim.log | grep -m1 -o '^info start window=[0-9]*' | cut -d= -f2)"
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
}

# A café client that stops reading its messages costs the menu one send's
# timeout: another client is answered while the hung one still sleeps.
case_hung_client() {
    start_sim hung "AnnounceAnswer=1" "RegisterKey=1"
    start_menu
    wait_until "the handshake" logged hung.log "recv cmd 212:" || return
    start_sim probe "AnnounceAnswer=1"
    # The menu answers hung's 5024 with a 212 that hung will not read.
    request hung "send 5024" "hang $HANG_MS"
    wait_until "hung to hang" logged hung.log "info hang $HANG_MS" || return
    request probe "send 5026"
    wait_until "the menu to answer the other client" logged probe.log "answer msg 5026 -> 0" || return
    check "the menu answered while the hung client still slept" bash -c "! grep -q 'info awake' '$CAFE/hung.log'"
    wait_until "hung to wake" logged hung.log "info awake" || return
    request probe "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
}

cases=("$@")
[ "${#cases[@]}" -gt 0 ] || cases=(session orders purchases late_client hung_client)
rm -rf "$ARTIFACTS"
for name in "${cases[@]}"; do
    begin_case "$name" && "case_$name"
    end_case
done

[ -n "$started_xvfb" ] && stop_xvfb
if [ "${#FAILED[@]}" -gt 0 ]; then
    echo "e2e: failed: ${FAILED[*]} (artifacts in $ARTIFACTS)" >&2
    exit 1
fi
echo "e2e: all passed"
