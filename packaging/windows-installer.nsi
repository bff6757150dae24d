; The Windows installer: what the Windows ZIP holds, into a folder of the
; user's choice, with a Start-menu shortcut to the wizard, an entry in the
; system's list of installed programs, an uninstaller that removes every
; file, shortcut and registry value it made, and, when asked, the install
; folder on the user's PATH for the console. scripts/package makes it with
; makensis, defining
;   VERSION    the project's version
;   OUTFILE    the installer to write
;   LICENSE    the licence text shown before installing
;   INSTALL    an include of the File lines of the unpacked ZIP
;   UNINSTALL  an include of the Delete and RMDir lines undoing them
;   WIZARD     (defined when the ZIP holds MPLABConverter.exe) the shortcut
; Silent: setup.exe /S [/PATH] /D=<folder> (/D last, unquoted).

; A 64-bit installer for 64-bit programs: it runs where they run, Wine's
; 64-bit-only prefixes included.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
!include x64.nsh

!define PRODUCT "Quillbrook"
!define SHORTCUT "MPLAB Project Converter"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillbrook"
; The wizard keeps settings.txt in its current folder, and the install
; folder is not writable without elevation: the shortcut starts it in the
; user's Documents, expanded by Windows for whoever starts it.
!define WIZARD_START_FOLDER "%USERPROFILE%\Documents"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!ifdef WIZARD
  !define MUI_FINISHPAGE_RUN
  !define MUI_FINISHPAGE_RUN_TEXT "Start ${SHORTCUT}"
  !define MUI_FINISHPAGE_RUN_FUNCTION StartWizard
!endif
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Quillbrook and the MPLAB Project Converter wizard" SecProgram
  SectionIn RO
  SetRegView 64
  !include "${INSTALL}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

!ifdef WIZARD
  ; The shortcut's working folder is $OUTDIR, set without making it.
  SetShellVarContext all
  StrCpy $OUTDIR "${WIZARD_START_FOLDER}"
  CreateShortCut "$SMPROGRAMS\${SHORTCUT}.lnk" "$INSTDIR\MPLABConverter.exe" "" \
    "$INSTDIR\MPLABConverter.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\MPLABConverter.exe"
!endif

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION} (${SHORTCUT})"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "the Quillbrook developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Off unless chosen (or /PATH when silent): PATH is the user's to shape.
Section /o "Add the install folder to PATH, to run Quillbrook from a console" SecPath
  ReadRegStr $0 HKCU "Environment" "Path"
  ${If} $0 == ""
    WriteRegExpandStr HKCU "Environment" "Path" "$INSTDIR"
  ${Else}
    WriteRegExpandStr HKCU "Environment" "Path" "$0;$INSTDIR"
  ${EndIf}
  ; Remembered, so the uninstaller removes exactly this entry.
  SetRegView 64
  WriteRegStr HKLM "${UNINSTALL_KEY}" "AddedToPath" "$INSTDIR"
  SendMessage ${HWND_BROADCAST} ${WM_WININICHANGE} 0 "STR:Environment" /TIMEOUT=5000
SectionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/PATH" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecPath}
  ${EndIf}
FunctionEnd

!ifdef WIZARD
Function StartWizard
  SetOutPath "$DOCUMENTS"
  Exec '"$INSTDIR\MPLABConverter.exe"'
FunctionEnd
!endif

Section "Uninstall"
  SetRegView 64
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "AddedToPath"
  ${If} $1 != ""
    ReadRegStr $0 HKCU "Environment" "Path"
    ${If} $0 == $1
      DeleteRegValue HKCU "Environment" "Path"
    ${Else}
      ${WordReplace} "$0" ";$1" "" "+" $0
      ${WordReplace} "$0" "$1;" "" "+" $0
      WriteRegExpandStr HKCU "Environment" "Path" "$0"
    ${EndIf}
    SendMessage ${HWND_BROADCAST} ${WM_WININICHANGE} 0 "STR:Environment" /TIMEOUT=5000
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${SHORTCUT}.lnk"
  !include "${UNINSTALL}"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: a file of the user's own in it stays.
  RMDir "$INSTDIR"
SectionEnd
