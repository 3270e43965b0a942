#!/usr/bin/env bash
# The installer under Wine: silent install into a temporary folder, a second
# silent install over a café's changed files, a silent uninstall that keeps
# them. Runs in the caller's Wine session (WINEPREFIX, DISPLAY), as CTest
# does inside scripts/test.
#   installer_test.sh WINDOWS_BUILD_DIR VERSION
set -uo pipefail
build=$1 version=$2
. "$(dirname "$0")/../../packaging/package-lib.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/corvina2-installer.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvina2'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
registry_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { $1 = $2 = ""; sub(/^ +/, ""); print }'; }
start_menu_entry() { find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Corvina2/Corvina2.lnk' | grep -q .; }
no_start_menu_entry() { ! start_menu_entry; }

stage_program_folder "$build" "$work/stage" || exit 1
build_installer "$work/stage" "$version" "$work/setup.exe" >"$work/makensis.log" 2>&1 ||
    { cat "$work/makensis.log"; exit 1; }

cafe=$work/Cafe
cafe_win=$(winepath -w "$cafe" 2>/dev/null)
timeout 120 wine "$work/setup.exe" /S "/D=$cafe_win"
echo "first silent install into $cafe_win: exit $?"
for file in Corvina2.exe Corvina2Check.exe Corvina2Stats.exe admin.md Menus.ini Params.ini Uninstall.exe LinkBMP/office.bmp; do
    check "$file installed" test -f "$cafe/$file"
done
check "Menus.ini is the Big5 sample" cmp -s "$cafe/Menus.ini" "$work/stage/Menus.ini"
check "Add/Remove entry with the version $version" test "$(registry_value "$uninstall_key" DisplayVersion)" = "$version"
check "uninstaller registered" grep -qi 'uninstall.exe' <<<"$(registry_value "$uninstall_key" UninstallString)"
check "Start-menu entry" start_menu_entry
checker_status() { timeout 60 wine "$cafe/Corvina2Check.exe" "$cafe_win" >"$work/check.txt" 2>/dev/null; echo $?; }
check "the checker reports the sample menu" test "$(checker_status)" = 1
check "as still the sample" grep -q 'Menus.ini, line 1: Menus.ini is still the sample' "$work/check.txt"
check "which offers no shell or system tool" bash -c "! grep -q 'gives every customer' '$work/check.txt'"

# The café's own files from here on: a changed menu, settings, a picture, logs.
printf '[Mine]\r\nA=C:\\a.exe,,\r\n' > "$cafe/Menus.ini"
printf '[Options]\r\nCanQuit=0\r\n' > "$cafe/Params.ini"
printf '[Options]\r\nRemote_Update=7\r\n' > "$cafe/Corvina2.ini"
printf 'changed picture' > "$cafe/LinkBMP/office.bmp"
printf 'log line\r\n' > "$cafe/Corvina2.log"
cp "$cafe/Menus.ini" "$work/Menus.mine"
check "the checker finds the missing target" test "$(checker_status)" = 1
check "and names its line" grep -q 'Menus.ini, line 2:' "$work/check.txt"
timeout 120 wine "$work/setup.exe" /S "/D=$cafe_win"
echo "second silent install over the café's files: exit $?"
check "a changed Menus.ini is kept" cmp -s "$cafe/Menus.ini" "$work/Menus.mine"
check "Params.ini is kept" grep -q 'CanQuit=0' "$cafe/Params.ini"
check "a changed picture is kept" grep -q 'changed picture' "$cafe/LinkBMP/office.bmp"
check "the program is still there" test -f "$cafe/Corvina2.exe"

# The first-run wizard's autostart value for this folder, as it writes it.
autostart=$(tr 'A-Z' 'a-z' <<<"$cafe_win\\Corvina2.exe")
wine reg add "$run_key" /v Corvina2 /d "$autostart" /f >/dev/null 2>&1
check "autostart value set for the test" test -n "$(registry_value "$run_key" Corvina2)"
timeout 120 wine "$cafe/Uninstall.exe" /S
# The uninstaller runs from a copy in the temporary folder and returns at once.
for _ in $(seq 1 60); do [ -f "$cafe/Corvina2.exe" ] || [ -f "$cafe/Uninstall.exe" ] || break; sleep 0.5; done
for file in Corvina2.exe Corvina2Check.exe Corvina2Stats.exe admin.md Uninstall.exe; do
    check "$file removed" test ! -e "$cafe/$file"
done
for file in Menus.ini Params.ini Corvina2.ini Corvina2.log LinkBMP/office.bmp LinkBMP/blocks.bmp; do
    check "$file kept" test -f "$cafe/$file"
done
check "Add/Remove entry removed" test -z "$(registry_value "$uninstall_key" DisplayVersion)"
check "autostart value removed" test -z "$(registry_value "$run_key" Corvina2)"
check "Start-menu entry removed" no_start_menu_entry

if [ "$failures" -eq 0 ]; then echo "installer: all checks passed"; else echo "installer: $failures checks failed"; fi
[ "$failures" -eq 0 ]
