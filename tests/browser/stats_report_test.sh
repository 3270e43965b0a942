#!/usr/bin/env bash
# The play report as a browser shows it: Corvina2Stats (native) writes the
# page from crafted statistics files, headless Chromium renders it, and the
# rendered text (innerText: what a person sees, not the page's source) must
# show the top item, the total, the escaped captions and the bad line.
# Skips (77) when Chromium is not installed.
#   stats_report_test.sh PATH-OF-Corvina2Stats
set -uo pipefail
program=$(realpath "$1")
browser=$(command -v chromium || command -v chromium-browser) || { echo "SKIP: no chromium"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/stats" "$work/empty" "$work/out" "$work/home"
status=0
fail() { echo "FAIL: $*"; status=1; }

bom=$'\xEF\xBB\xBF'
header=$'開始,結束,秒數,電腦,頻道,項目,目標\r'
{
    echo "$bom$header"
    printf '%s\r\n' \
        '2026-12-01 20:00:00,2026-12-01 22:00:00,7200,PC01,熱門遊戲,極速狂飆,C:\Games\a.exe' \
        '2026-12-02 21:00:00,2026-12-02 22:00:00,3600,PC01,熱門遊戲,極速狂飆,C:\Games\a.exe' \
        '2026-12-03 10:00:00,2026-12-03 10:30:00,1800,PC01,休閒,"<b>踩地雷</b> & ""co""",C:\b.exe' \
        '2026-11-30 10:00:00,2026-11-30 20:00:00,36000,PC01,休閒,範圍外的遊戲,C:\c.exe'
} >"$work/stats/PC01-2026-12.csv"
{
    echo "$bom$header"
    printf '%s\r\n' \
        '2026-12-31 23:00:00,2026-12-31 23:59:59,3599,PC02,線上遊戲,天空之城 Online,C:\d.exe' \
        'this line is broken'
} >"$work/stats/PC02-2026-12.csv"

# The text a browser renders for a page: a page of the test's own (the
# report has no script) reads it through a frame of the same folder.
rendered() {
    cp "$1" "$work/out/shown.html"
    cat >"$work/out/reader.html" <<'HTML'
<!DOCTYPE html><html><body><iframe src="shown.html"></iframe><pre id="text"></pre><script>
window.onload = () => { document.getElementById('text').textContent =
    document.querySelector('iframe').contentDocument.body.innerText; };
</script></body></html>
HTML
    HOME="$work/home" timeout 120 "$browser" --headless --no-sandbox --disable-gpu --no-first-run \
        --user-data-dir="$work/home/profile" --allow-file-access-from-files --virtual-time-budget=10000 \
        --dump-dom "file://$work/out/reader.html" 2>/dev/null |
        sed -n '/<pre id="text">/,/<\/pre>/p' | sed 's/<pre id="text">//; s/<\/pre>.*//' |
        sed 's/&lt;/</g; s/&gt;/>/g; s/&quot;/"/g; s/&amp;/\&/g'
}

(cd "$work/out" && "$program" "$work/stats" 2026-12-01 2026-12-31 >"$work/console.txt") ||
    fail "Corvina2Stats ended with $?: $(cat "$work/console.txt")"
page=$work/out/Corvina2-stats.html
[ -s "$page" ] || { fail "no page written"; exit 1; }
text=$(rendered "$page")
[ -n "${SHOW_TEXT:-}" ] && echo "$text"
[ -n "$text" ] || { fail "the browser rendered nothing"; exit 1; }

# The first bar under the hours chart's heading is the top item.
top=$(grep -A1 -x '遊玩時數最多的項目' <<<"$text" | sed -n 2p)
[ "$top" = "極速狂飆" ] || fail "top item by hours is '$top', not 極速狂飆"
grep -q -x '3.0 小時' <<<"$text" || fail "the top item's 3.0 hours are not shown"
# 7200 + 3600 + 1800 + 3599 seconds: 4.5 hours in 4 starts, the play of 30 November left out.
grep -A1 -x '4.5' <<<"$text" | grep -q -x '總遊玩時數' || fail "the total of 4.5 hours is not shown"
grep -A1 -x '4' <<<"$text" | grep -q -x '總啟動次數' || fail "the 4 starts are not shown"
grep -q '範圍外的遊戲' <<<"$text" && fail "a play before the period is shown"
grep -q '<b>踩地雷</b> & "co"' <<<"$text" || fail "a caption with markup is not shown as it is written"
grep -q 'PC02-2026-12.csv	3	欄位數不是 7 個' <<<"$text" || fail "the bad line is not named with its file and line"

mkdir -p "$work/out/empty" && (cd "$work/out/empty" && "$program" "$work/empty" >/dev/null) || fail "an empty folder is an error"
text=$(rendered "$work/out/empty/Corvina2-stats.html")
grep -q '此期間沒有遊玩紀錄。' <<<"$text" || fail "an empty folder does not say that there are no plays"

"$program" "$work/missing" >/dev/null
[ $? -eq 2 ] || fail "a missing folder does not end with 2"
"$program" "$work/stats" 2026-02-30 >/dev/null
[ $? -eq 1 ] || fail "an impossible date does not end with 1"

[ $status -eq 0 ] && echo "PASS: the browser shows the report's top item, total, captions and bad line"
exit $status
