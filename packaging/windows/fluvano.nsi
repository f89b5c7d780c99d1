; The Fluvano installer (German), made by scripts/windows.sh:
;   makensis -DVERSION=1.0 -DVERSION_QUAD=1.0.0.0 -DSTAGE=<program folder> -DICON=fluvano.ico -DSIZE_KB=<size> -DFILES=<files.nsh> -DUNFILES=<unfiles.nsh> \
;            -DOUTFILE=<setup.exe> fluvano.nsi
; STAGE is the folder `cmake --install` laid out (with Fluvano.installed, so
; that the installed program saves settings per user); FILES and UNFILES list
; its files for installing and removing, so that uninstalling removes exactly
; the program and never a user's settings (%APPDATA%\Fluvano).
; Silent install and uninstall: /S.
; A 64-bit installer for a 64-bit program: Program Files and the registry
; without redirection, and it runs where Fluvano runs.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define APP "Fluvano"
!define PUBLISHER "qel Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Fluvano"
!define PROGID "Fluvano.Kreis"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1031 "ProductName" "${APP}"
VIAddVersionKey /LANG=1031 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1031 "FileDescription" "${APP} ${VERSION} – Installation"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\fluvano.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Fluvano jetzt starten"
; Started from the elevated installer, Fluvano would run as Administrator:
; start it as the user who logged in.
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsUser

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function StartAsUser
  ; Explorer starts it with the logged-in user's rights.
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\fluvano.exe"'
FunctionEnd

Section "Fluvano" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; Over an older version: its files are replaced; the users' settings live
  ; in their own profiles and stay.
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"

  CreateShortCut "$SMPROGRAMS\Fluvano.lnk" "$INSTDIR\fluvano.exe" "" "$INSTDIR\fluvano.exe" 0 \
    SW_SHOWNORMAL "" "Rohrnetzberechnung für Warmwasserheizungen"

  ; Apps & Features
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\fluvano.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

  ; Circuit documents (*.fluvano) open in Fluvano.
  WriteRegStr HKLM "Software\Classes\.fluvano" "" "${PROGID}"
  WriteRegStr HKLM "Software\Classes\.fluvano" "Content Type" "${MIME_TYPE}"
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "Fluvano-Heizkreis"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" '"$INSTDIR\fluvano.exe",0'
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\fluvano.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Fluvano.lnk"

  ; The association only while it is still ours.
  ReadRegStr $0 HKLM "Software\Classes\.fluvano" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.fluvano"
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  !include "${UNFILES}"
  Delete "$INSTDIR\Deinstallieren.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
