; The Windows installer: the portable folder installed into Program Files,
; Start-menu entries for both editions, an uninstaller in Apps & features,
; and .dat files offered to the English edition (an "open with" entry and a
; ProgID of our own; no other program's .dat files are taken over).
; makensis /DSRC=<portable folder> /DICON=<.ico> /DVERSION=1.0.0 /DOUTFILE=<setup.exe> programmer.nsi
; Silent: setup.exe /S, uninstall.exe /S.
; A 64-bit installer for a 64-bit program; it also runs where only 64-bit
; programs can (a Wine without its 32-bit part).
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define NAME "QM4410 Programmer"
!define KEY "QM4410Programmer"
!define PROGID "VRX.QM4410.Parameters"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${KEY}"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "FileDescription" "${NAME} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "VRX"
VIAddVersionKey "LegalCopyright" "VRX"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
    SetRegView 64 ; a 64-bit installer writes the 64-bit registry
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Install"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${SRC}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${NAME}"
    CreateShortcut "$SMPROGRAMS\${NAME}\${NAME}.lnk" "$INSTDIR\programmer-en.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}\${NAME} (Chinese).lnk" "$INSTDIR\programmer-zh.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "VRX"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\programmer-en.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

    ; .dat: our ProgID and an "open with" entry, never the default of the type.
    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "QM4410 parameter file"
    WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\programmer-en.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\programmer-en.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\.dat\OpenWithProgids" "${PROGID}" ""
    WriteRegStr HKLM "Software\Classes\Applications\programmer-en.exe\SupportedTypes" ".dat" ""
    WriteRegStr HKLM "Software\Classes\Applications\programmer-en.exe\shell\open\command" "" '"$INSTDIR\programmer-en.exe" "%1"'
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${NAME}\${NAME}.lnk"
    Delete "$SMPROGRAMS\${NAME}\${NAME} (Chinese).lnk"
    RMDir "$SMPROGRAMS\${NAME}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    DeleteRegValue HKLM "Software\Classes\.dat\OpenWithProgids" "${PROGID}"
    DeleteRegKey HKLM "Software\Classes\Applications\programmer-en.exe"
    ; The program's own files only: what a user saved elsewhere stays.
    RMDir /r "$INSTDIR\help"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\imageformats"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\Default.dat"
    Delete "$INSTDIR\Program.ini"
    Delete "$INSTDIR\README.txt"
    RMDir "$INSTDIR"
SectionEnd
