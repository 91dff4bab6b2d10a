; The Vantorix installer. scripts/package.sh builds it with makensis and
; passes VERSION (7.4.1), STAGE (the folder with the program, its README and
; the licence texts), ICON, SIZE_KB and OUTFILE.
;
; Installs for all users into Program Files, with a Start-menu shortcut and
; an entry under Apps & features. It puts no Vantorix.ini beside the
; program, so the installed program keeps its data in the user's Documents
; folder; the uninstaller removes only what was installed here. Starting
; at logon is the program's own menu item, not the installer's.

; A 64-bit installer: the program is 64-bit, and so Wine without its 32-bit
; half runs it too.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define PRODUCT "Vantorix"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} ${VERSION} セットアップ"
VIAddVersionKey /LANG=1041 "LegalCopyright" "© ${PRODUCT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vantorix.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Vantorix"
    SetOutPath "$INSTDIR"
    File "${STAGE}\Vantorix.exe"
    File "${STAGE}\README.txt"
    SetOutPath "$INSTDIR\licenses"
    File "${STAGE}\licenses\*.txt"
    SetOutPath "$INSTDIR"

    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Vantorix.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantorix.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    ; The logon task is made by the program's own menu item; without the
    ; program it would start nothing, so it goes too (there may be none).
    nsExec::Exec 'schtasks /Delete /TN "${PRODUCT}" /F'
    Pop $0

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\Vantorix.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\licenses\*.txt"
    RMDir "$INSTDIR\licenses"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: a folder the user chose may hold other files.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
