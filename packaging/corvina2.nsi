; The Corvina2 installer. Built by packaging/package-lib.sh with
;   makensis -DVERSION=x.y.z -DSTAGE=folder -DOUTFILE=file corvina2.nsi
; where STAGE holds the program folder as the zip carries it.
; Silent mass installation: Corvina2-x.y.z-setup.exe /S /D=C:\Corvina2

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef STAGE
  !error "STAGE is not defined"
!endif
!ifndef OUTFILE
  !error "OUTFILE is not defined"
!endif

!define PRODUCT "Corvina2"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvina2"
; The first-run wizard's autostart value.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Corvina2"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "C:\Corvina2"
; The Add/Remove entry, the Start-menu entry for all users and the folder
; on C:\ need an administrator.
RequestExecutionLevel admin
ShowInstDetails show
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} installer"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) 2026 The Corvina2 project"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Corvina2.exe"
; The wizard only: this run has the installer's elevated rights, and a menu
; must never go on with them (the café client could not reach it).
!define MUI_FINISHPAGE_RUN_PARAMETERS "START SETUPONLY"
!define MUI_FINISHPAGE_RUN_TEXT "$(RunFirstRun)"
!define MUI_FINISHPAGE_RUN_NOTCHECKED

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one shown where Windows speaks neither.
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_LANGUAGE "English"

LangString RunFirstRun ${LANG_TRADCHINESE} "執行第一次安裝設定 (Corvina2.exe START)"
LangString RunFirstRun ${LANG_ENGLISH} "Run the first-run set-up (Corvina2.exe START)"
LangString MenuEntry ${LANG_TRADCHINESE} "Corvina2 遊戲選單"
LangString MenuEntry ${LANG_ENGLISH} "Corvina2 game menu"
LangString SetupEntry ${LANG_TRADCHINESE} "Corvina2 第一次安裝設定"
LangString SetupEntry ${LANG_ENGLISH} "Corvina2 first-run set-up"
LangString CheckEntry ${LANG_TRADCHINESE} "檢查選單 Menus.ini"
LangString CheckEntry ${LANG_ENGLISH} "Check the menu (Menus.ini)"
LangString GuideEntry ${LANG_TRADCHINESE} "管理者說明"
LangString GuideEntry ${LANG_ENGLISH} "Administrator's reference"
LangString UninstallEntry ${LANG_TRADCHINESE} "移除 Corvina2"
LangString UninstallEntry ${LANG_ENGLISH} "Uninstall Corvina2"
LangString LockFolder ${LANG_TRADCHINESE} "鎖定程式資料夾 (使用者只能讀取與執行；自動更新將無法使用)"
LangString LockFolder ${LANG_ENGLISH} "Lock the program folder (users read and run only; no automatic update)"

Section "Corvina2" SecProgram
  SectionIn RO
  SetShellVarContext all
  SetRegView 64
  SetOutPath "$INSTDIR"

  ; The program's own files are always replaced.
  SetOverwrite on
  File "${STAGE}\Corvina2.exe"
  File "${STAGE}\Corvina2Check.exe"
  File "${STAGE}\Corvina2Stats.exe"
  File "${STAGE}\admin.md"

  ; The café's own files never are: a sample only where there is none.
  SetOverwrite off
  File "${STAGE}\Menus.ini"
  File "${STAGE}\Params.ini"
  SetOutPath "$INSTDIR\LinkBMP"
  File "${STAGE}\LinkBMP\*.*"
  SetOverwrite on
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Corvina2"
  CreateShortCut "$SMPROGRAMS\Corvina2\Corvina2.lnk" "$INSTDIR\Corvina2.exe" "" "$INSTDIR\Corvina2.exe" 0 \
      SW_SHOWNORMAL "" "$(MenuEntry)"
  CreateShortCut "$SMPROGRAMS\Corvina2\$(SetupEntry).lnk" "$INSTDIR\Corvina2.exe" "START" "$INSTDIR\Corvina2.exe" 0
  ; cmd /k keeps the checker's report on the screen.
  CreateShortCut "$SMPROGRAMS\Corvina2\$(CheckEntry).lnk" "$SYSDIR\cmd.exe" \
      '/k ""$INSTDIR\Corvina2Check.exe" "$INSTDIR""' "$INSTDIR\Corvina2Check.exe" 0
  CreateShortCut "$SMPROGRAMS\Corvina2\$(GuideEntry).lnk" "$WINDIR\notepad.exe" '"$INSTDIR\admin.md"'
  CreateShortCut "$SMPROGRAMS\Corvina2\$(UninstallEntry).lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Corvina2 project"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Corvina2.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Off unless chosen (on the components page, or /LOCKFOLDER when silent):
; a café that updates automatically needs the folder writable. Users
; (S-1-5-32-545) may read and run everything and write only the files the
; menu writes, which must exist for that; nobody but SYSTEM and the
; administrators may add a file (a DLL beside the program) or replace one.
!macro UserWritable FILE
  ${IfNot} ${FileExists} "$INSTDIR\${FILE}"
    FileOpen $0 "$INSTDIR\${FILE}" w
    FileClose $0
  ${EndIf}
  nsExec::ExecToLog 'icacls "$INSTDIR\${FILE}" /grant *S-1-5-32-545:(R,W)'
!macroend

Section /o "$(LockFolder)" SecLockFolder
  nsExec::ExecToLog 'icacls "$INSTDIR" /inheritance:r /grant:r *S-1-5-18:(OI)(CI)F *S-1-5-32-544:(OI)(CI)F \
      *S-1-5-32-545:(OI)(CI)RX /T /C'
  !insertmacro UserWritable "GoodsLog.Lst"
  !insertmacro UserWritable "Corvina2.ini"
  !insertmacro UserWritable "Corvina2.log"
  !insertmacro UserWritable "Corvina2.log.1"
  !insertmacro UserWritable "Corvina2.crash.txt"
  !insertmacro UserWritable "Corvina2.dmp"
SectionEnd

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LOCKFOLDER" $R1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecLockFolder} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

; The wizard stores the autostart command in small letters, in double
; quotes when it holds a blank; only a value that starts this folder's
; program is removed (StrCmp ignores letter case).
Function un.RemoveOwnAutoStart
  ReadRegStr $0 HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $0 == "$INSTDIR\Corvina2.exe"
  ${OrIf} $0 == '"$INSTDIR\Corvina2.exe"'
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
FunctionEnd

Section "Uninstall"
  SetShellVarContext all
  SetRegView 64
  Call un.RemoveOwnAutoStart

  ; The program's files only: menus, settings, pictures, per-item files,
  ; records and logs are the café's and stay.
  Delete "$INSTDIR\Corvina2.exe"
  Delete "$INSTDIR\Corvina2.exe.old"
  Delete "$INSTDIR\Corvina2Check.exe"
  Delete "$INSTDIR\Corvina2Stats.exe"
  Delete "$INSTDIR\admin.md"
  Delete "$INSTDIR\Uninstall.exe"
  ; Gone only when nothing of the café's is left in it.
  RMDir "$INSTDIR"

  RMDir /r "$SMPROGRAMS\Corvina2"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
