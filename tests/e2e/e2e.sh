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
# However the script ends, by a failure, an interrupt or the caller's
# timeout, what it started goes with it: its own programs only (the process
# groups it made), the café folder of the case, and its Xvfb.
cleanup() {
    trap - EXIT
    end_programs
    [ -n "$CAFE" ] && rm -rf "$CAFE"
    [ -n "$started_xvfb" ] && stop_xvfb
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

if [ -z "${DISPLAY:-}" ]; then
    start_xvfb "${DESKTOP_SIZE}x24" || exit 1
    started_xvfb=1
fi

# --- processes ----------------------------------------------------------

desktop_name() { echo "corvina-e2e-$CASE-$$"; }

# The case's virtual desktop, held open by a process of its own, so that it
# outlives each program started in it. A desktop is never used twice: one
# whose process was ended is not usable again.
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
        while ! ended "$pid" && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
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
# ended PID: the program started as PID has ended. Its launcher may return
# before the program does, so the whole process group counts.
ended() { ! kill -0 -- "-$1" 2>/dev/null; }
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

# probe_window NAME CLASS: asks simulator NAME what the menu shows of that
# window class; prints its answer, "shown: <text>" or "none".
probe_window() {
    local name=$1 class=$2 before deadline=$((SECONDS + 5))
    before=$(events "$name.log" | grep -cF "info window $class ")
    request "$name" "window $class"
    until [ "$(events "$name.log" | grep -cF "info window $class ")" -gt "$before" ]; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
    events "$name.log" | grep -F "info window $class " | tail -n1 | cut -d' ' -f4-
}
shown() { probe_window "$1" "$2" | grep -q '^shown'; }
not_shown() { probe_window "$1" "$2" | grep -qx 'none'; }
# shown_text NAME CLASS TEXT: the window shows TEXT (a message box its message).
shown_text() { probe_window "$1" "$2" | grep -qF -- "$3"; }

# answered_within MS LOG SEND: the last such send of a SyncSend simulator
# had its answer within MS milliseconds.
answered_within() {
    local ms
    ms=$(events "$2" | grep -F -- "$3 -> ok in " | tail -n1 | sed -n 's/.* in \([0-9]*\) ms$/\1/p')
    [ -n "$ms" ] && [ "$ms" -lt "$1" ]
}

# set_param KEY VALUE: a key of the café's Params.ini, before the menu starts.
set_param() { sed -i "s/^$1=.*/$1=$2\r/" "$CAFE/Params.ini"; }

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
    CAFE=
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

# The ordering window's 800 x 600 panel is centred on the desktop.
click_order_window() { xdotool mousemove $((112 + $1)) $((84 + $2)) click 1; sleep 0.3; }
buy_tea() { click_order_window 428 179; }
buy_cola() { click_order_window 428 205; }
confirm_purchase() { click_order_window 478 498; }  # 確認購買
query_money() { click_order_window 678 558; }       # 查詢消費金額
to_game() { click_order_window 387 558; }           # B_ToGame

# Starts simulator "sim" with two goods and the menu, and waits until the
# ordering window, opened by the handshake, shows the goods.
start_ordering() {
    start_sim sim "AnnounceAnswer=5025" "RegisterKey=1" "Left=0" "Top=700" "StayOnTop=1" "$@" \
        "[Goods]" "1=A01,tea,25" "2=A02,cola,30"
    start_menu
    wait_until "the goods to reach the menu" at_least 1 sim.log '^send cmd 115:A02,.* -> ok' || return
    wait_until "the ordering window" shown sim TffoodsMenu || return
    # The menu shakes hands again whenever it is active again: from now on
    # that must not reopen the ordering window.
    request sim "set AnnounceAnswer=1"
    wait_until "the handshake's new answer" logged sim.log "info set AnnounceAnswer=1" || return
    sleep 1  # the window's first paint
}

# A whole ordering session with the customer's clicks, against a café
# client that answers after the menu's send returned (later) or from inside
# its handler while the menu still waits (nested): the goods fill the grid,
# the charges show and close after 5 s, and the link stays up, so the
# purchase that follows reaches the client and the log; leaving is refused,
# then granted back to the menu; the session's end clears the log.
ordering_session() {
    set_param MustSelectMenu 1
    start_ordering "NestedReplies=$1" "SessionData=0,now-30,0,A12" "ServerTime=now" \
        "Consumption=125|50|35|0|85" "EntryAnswer=0" || return
    wait_until "the session data to reach the menu" logged sim.log "recv cmd 208:" || return

    query_money
    wait_until "the query 211" logged sim.log "recv cmd 211:" || return
    wait_until "the consumption list" shown sim TfExpendList || return
    screenshot consumption
    wait_until "the consumption list to close itself" not_shown sim TfExpendList || return

    local buy
    for buy in 1 2 3; do buy_tea; done
    buy_cola
    confirm_purchase
    wait_until "the order lines" logged sim.log "recv cmd 207:A02,cola,1" || return
    check "three teas, then a cola" bash -c "cut -c25- '$CAFE/sim.log' | grep '^recv cmd 207:' | paste -sd'|' |
        grep -qx 'recv cmd 207:A01,tea,3|recv cmd 207:A02,cola,1'"
    check "the order log holds both lines" bash -c "printf 'A01,tea,3\\r\\nA02,cola,1\\r\\n' | cmp -s - '$CAFE/GoodsLog.Lst'"
    wait_until "the purchase before entry (213)" logged sim.log "recv cmd 213:" || return
    screenshot ordered

    to_game
    wait_until "the request to leave" logged sim.log "recv cmd 214:" || return
    wait_until "the refusal" shown_text sim '#32770' "非常抱歉，您必須先點餐！" || return
    screenshot refused
    request sim "press #32770 1"
    wait_until "the refusal to close" not_shown sim '#32770' || return
    check "the ordering window stays after a refusal" shown sim TffoodsMenu

    request sim "set EntryAnswer=1"
    wait_until "the grant to be set" logged sim.log "info set EntryAnswer=1" || return
    to_game
    wait_until "the second request to leave" at_least 2 sim.log '^recv cmd 214:$' || return
    wait_until "the grant to return to the menu" not_shown sim TffoodsMenu || return
    screenshot menu

    request sim "send 5026"
    wait_until "GoodsLog.Lst to go on 5026" gone "$CAFE/GoodsLog.Lst" || return
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
    check "no order line was refused" bash -c "! grep -q 'cmd 207:.*timeout' '$CAFE/sim.log'"
}
case_ordering_later() { ordering_session 0; }
case_ordering_nested() { ordering_session 1; }

# A café client that sends its session messages and texts with SendMessage
# gets its answer at once, while the windows they open stay open.
case_sync_sender() {
    start_sim sim "AnnounceAnswer=1" "RegisterKey=1" "SyncSend=1" "Left=0" "Top=700" "StayOnTop=1" \
        "[Goods]" "1=A01,tea,25"
    start_menu
    wait_until "the handshake" logged sim.log "recv cmd 212:" || return
    request sim "send 5025"
    wait_until "the menu's answer to 5025" logged_prefix sim.log "send msg 5025 -> " || return
    check "the send of 5025 returned within a second" answered_within 1000 sim.log "send msg 5025"
    wait_until "the ordering window" shown sim TffoodsMenu || return

    request sim "text 120:125|50|35|0|85"
    wait_until "the menu's answer to 120" logged_prefix sim.log "send cmd 120:125|50|35|0|85 -> " || return
    check "the send of 120 returned within a second" answered_within 1000 sim.log "send cmd 120:125|50|35|0|85"
    wait_until "the consumption list" shown sim TfExpendList || return
    check "the ordering window stays open under the list" shown sim TffoodsMenu
    screenshot list

    request sim "send 5026"
    wait_until "the menu's answer to 5026" logged_prefix sim.log "send msg 5026 -> " || return
    check "the send of 5026 returned within a second" answered_within 1000 sim.log "send msg 5026"
    wait_until "the session's end to close the ordering window" not_shown sim TffoodsMenu || return
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
    check "the send of 5027 returned within a second" answered_within 1000 sim.log "send msg 5027"
}

# The café client ends right after taking the first order line: the rest
# of the purchase cannot be delivered, so it is not shown as bought. The
# customer is told, the first line stays delivered and logged, and the
# administrator's log names what did not go. A second simulator, titled so
# that the menu does not take it for the café client, looks on.
case_undelivered() {
    start_sim probe "AnnounceAnswer=0" "Title=probe" "Left=600" "Top=700"
    start_ordering "EndAfter=207" || return
    local sim_pid=${PIDS[1]}
    buy_tea
    buy_tea
    buy_cola
    confirm_purchase
    wait_until "the first order line" logged sim.log "recv cmd 207:A01,tea,2" || return
    wait_until "the café client to end" ended "$sim_pid" || return
    wait_until "the message that the order did not reach the counter" \
        shown_text probe '#32770' "您的點餐未能送達櫃臺" || return
    screenshot undelivered
    check "the cola never reached the café client" bash -c "! grep -q 'recv cmd 207:A02' '$CAFE/sim.log'"
    check "only the delivered line is logged" bash -c "printf 'A01,tea,2\\r\\n' | cmp -s - '$CAFE/GoodsLog.Lst'"
    check "the administrator's log names the order left" grep -q 'A02,cola,1' "$CAFE/Corvina2.log"
    request probe "press #32770 1"
    wait_until "the message to close" not_shown probe '#32770' || return
    check "the ordering window stays" shown probe TffoodsMenu
    screenshot kept
    request probe "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
}

# The café client ends the session from inside its handler of the first
# order line: the purchase stops there and the session's log stays deleted.
case_session_end_mid_purchase() {
    start_ordering "SendOn=207:5026" || return
    buy_tea
    buy_cola
    confirm_purchase
    wait_until "the session's end inside the first order line" logged sim.log "send msg 5026 -> ok" || return
    wait_until "the ordering window to close" not_shown sim TffoodsMenu || return
    check "the order log stays deleted" gone "$CAFE/GoodsLog.Lst"
    check "the purchase ended with the session" bash -c "! grep -q 'recv cmd 207:A02' '$CAFE/sim.log'"
    check "no message for an ended session" not_shown sim '#32770'
    check "the menu runs on" bash -c "kill -0 -- -$MENU_PID"
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
}

# The café client closes the menu while the customer is asked whether to
# give up his selection: the box goes with the menu, and nothing is
# bought or started.
case_close_under_box() {
    start_ordering || return
    buy_tea
    to_game
    wait_until "the question" shown_text sim '#32770' "已有選購餐飲，是否放棄？" || return
    screenshot question
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
    check "nothing was bought" bash -c "! grep -q 'recv cmd 207:' '$CAFE/sim.log' && [ ! -e '$CAFE/GoodsLog.Lst' ]"
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

# A café client whose handlers of 207, 211 and 214 each take 6 s, longer
# than the menu's 5 s send limit: the order line it got is counted once,
# listed, logged and named unconfirmed, never sent again; the charges still
# show; and leaving still works, the link shaking hands again when a slow
# answer took it down.
case_slow_client() {
    set_param MustSelectMenu 1
    start_ordering "HandlerDelay=207:6000,211:6000,214:6000" "SessionData=0,now-30,0,A12" "ServerTime=now" \
        "Consumption=125|50|35|0|85" "EntryAnswer=1" || return
    wait_until "the session data to reach the menu" logged sim.log "recv cmd 208:" || return

    buy_tea
    confirm_purchase
    wait_until "the slow order line" logged sim.log "info handled 207 after 6000 ms" || return
    wait_until "the notice that the counter has not confirmed it" \
        shown_text sim '#32770' "櫃臺尚未確認收到" || return
    screenshot unconfirmed
    check "the order line reached the café client once" test "$(events sim.log | grep -c '^recv cmd 207:')" -eq 1
    check "the order log holds the line" bash -c "printf 'A01,tea,1\\r\\n' | cmp -s - '$CAFE/GoodsLog.Lst'"
    check "the administrator's log names it unconfirmed" grep -q 'A01,tea,1' "$CAFE/Corvina2.log"
    request sim "press #32770 1"
    wait_until "the notice to close" not_shown sim '#32770' || return
    wait_until "the purchase before entry (213)" logged sim.log "recv cmd 213:" || return
    confirm_purchase
    check "the line was not sent again" test "$(events sim.log | grep -c '^recv cmd 207:')" -eq 1

    query_money
    wait_until "the slow query" logged sim.log "info handled 211 after 6000 ms" || return
    wait_until "the consumption list" shown sim TfExpendList || return
    wait_until "the consumption list to close itself" not_shown sim TfExpendList || return

    to_game
    wait_until "the slow request to leave" logged sim.log "info handled 214 after 6000 ms" || return
    wait_until "the grant to return to the menu" not_shown sim TffoodsMenu || return
    screenshot menu
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
    check "still one order line" test "$(events sim.log | grep -c '^recv cmd 207:')" -eq 1
}

# The café client ends the session and opens the next one at once: the new
# session's ordering window stays open and gets its goods.
case_back_to_back() {
    start_ordering "FollowWith=5026:5025" || return
    printf '1,tea,2\r\n' >"$CAFE/GoodsLog.Lst"
    request sim "send 5026"
    wait_until "both messages to go out" logged sim.log "send msg 5025" || return
    wait_until "the new window's request 209" at_least 2 sim.log '^recv cmd 209:$' || return
    wait_until "the goods again" at_least 2 sim.log '^send cmd 115:A02,.* -> ok' || return
    check "the order log went with the session" gone "$CAFE/GoodsLog.Lst"
    sleep 1
    check "the new session's ordering window is open" shown sim TffoodsMenu
    screenshot new-session
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
}

# Another window of the café client's class announces itself: the menu
# ignores it, says so once, and the link stays with the café client.
case_foreign_announce() {
    start_sim sim "AnnounceAnswer=1" "RegisterKey=1" "Left=0" "Top=700" "[Goods]" "1=A01,tea,25"
    start_menu
    wait_until "the handshake" logged sim.log "recv cmd 212:" || return
    start_sim probe "AnnounceAnswer=1" "Title=probe" "Left=600" "Top=700"
    request probe "send 5024" "send 5024"
    wait_until "the menu's answers to the stranger" at_least 2 probe.log '^answer msg 5024 -> 0$' || return
    check "the stranger got no command" bash -c "! grep -q 'recv cmd' '$CAFE/probe.log'"
    check "the administrator's log says so once" test "$(grep -c '5024' "$CAFE/Corvina2.log")" -eq 1
    request sim "send 5025"
    wait_until "the ordering window's request over the link" logged sim.log "recv cmd 209:" || return
    request sim "send 5027"
    wait_until "the menu to end on 5027" ended "$MENU_PID" || return
}

cases=("$@")
[ "${#cases[@]}" -gt 0 ] ||
    cases=(session orders ordering_later ordering_nested sync_sender undelivered session_end_mid_purchase
        close_under_box late_client hung_client slow_client back_to_back foreign_announce)
rm -rf "$ARTIFACTS"
for name in "${cases[@]}"; do
    begin_case "$name" && "case_$name"
    end_case
done

if [ "${#FAILED[@]}" -gt 0 ]; then
    echo "e2e: failed: ${FAILED[*]} (artifacts in $ARTIFACTS)" >&2
    exit 1
fi
echo "e2e: all passed"
