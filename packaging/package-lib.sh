# The program folder a café copies, the zip and the installer, from a
# Windows build; sourced by scripts/package and the installer test.
# shellcheck shell=bash

PACKAGING_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_DIR=$(dirname "$PACKAGING_DIR")
# The sample menu's pictures, from the demo café.
SAMPLE_PICTURES=(office.bmp blocks.bmp chat.bmp)

# stage_program_folder WINDOWS_BUILD_DIR STAGE: the folder's files, texts in Big5.
stage_program_folder() {
    local build=$1 stage=$2 file
    rm -rf "$stage" && mkdir -p "$stage/LinkBMP"
    cp "$build/src/Corvina2.exe" "$build/tools/menu-check/Corvina2Check.exe" \
        "$build/tools/stats-report/Corvina2Stats.exe" "$stage/" || return 1
    cp "$REPO_DIR/docs/admin.md" "$stage/admin.md" || return 1
    for file in Menus.ini Params.ini; do
        # Big5 with CR LF, as Notepad on a Traditional Chinese Windows saves it.
        sed 's/$/\r/' "$PACKAGING_DIR/sample/$file" | iconv -f UTF-8 -t CP950 > "$stage/$file" || return 1
    done
    for file in "${SAMPLE_PICTURES[@]}"; do cp "$REPO_DIR/demo/LinkBMP/$file" "$stage/LinkBMP/" || return 1; done
}

# build_zip STAGE OUTFILE: the folder as Corvina2\ inside the zip.
build_zip() {
    local stage=$1 out=$2 tmp
    tmp=$(mktemp -d) || return 1
    cp -r "$stage" "$tmp/Corvina2" && rm -f "$out" &&
        (cd "$tmp" && zip -q -r -X "$out" Corvina2)
    local rc=$?
    rm -rf "$tmp"
    return $rc
}

# build_installer STAGE VERSION OUTFILE
build_installer() {
    local stage=$1 version=$2 out=$3
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$out" \
        "$PACKAGING_DIR/corvina2.nsi"
}
