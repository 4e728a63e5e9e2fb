; The Windows setup program of Lexigrille, in French.
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.1.0 -DSTAGE=<staging folder> -DICON=<lexigrille.ico>
;            -DLISTS=<folder of the file lists> -DOUTFILE=<setup.exe> packaging/windows/lexigrille.nsi
; STAGE is what `cmake --install` put together (cmake/WindowsPackaging.cmake);
; LISTS holds install-files.nsh and uninstall-files.nsh, the File and Delete
; lines of exactly that folder, so that the uninstaller removes what the setup
; put there and nothing else. Silent mode: /S (and /D=folder to choose it).

; A 64-bit setup for a 64-bit program (it also runs under a Wine without 32-bit support).
Target amd64-unicode
; The setup is named "...-setup.exe" on purpose: Windows then knows it installs
; something (and asks for the rights it needs), which makensis warns about.
!pragma warning disable 9000
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define PRODUCT "Lexigrille"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexigrille"
!define FILE_CLASS "Lexigrille.Fiche"
!define UNINSTALLER "desinstaller.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "Software\${PRODUCT}" "InstallDir"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de ${PRODUCT}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "${PRODUCT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_LICENSEPAGE_TEXT_TOP "Les polices et les bibliothèques installées avec ${PRODUCT}, et leurs licences :"
!define MUI_LICENSEPAGE_BUTTON "Suivant >"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Ces éléments sont libres de redistribution. Cliquez sur Suivant pour continuer."
; The setup runs as an administrator, often one whose password the school's
; technician typed: the program started from its last page must run as the
; teacher at the desk, so that her sheets go to her own Documents. Explorer
; starts it in her session.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Lancer ${PRODUCT}"
!define MUI_FINISHPAGE_RUN_FUNCTION LaunchAsDesktopUser

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENCES.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "French"

Function LaunchAsDesktopUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\lexigrille.exe"'
FunctionEnd

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP|MB_OK "${PRODUCT} demande une version 64 bits de Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "${PRODUCT}"
  !include "${LISTS}/install-files.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; The Start menu.
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\lexigrille.exe" "" "$INSTDIR\lexigrille.exe" 0

  ; Documents (.lxg) open in Lexigrille, with its icon.
  WriteRegStr HKLM "Software\Classes\.lxg" "" "${FILE_CLASS}"
  WriteRegStr HKLM "Software\Classes\.lxg" "Content Type" "application/x-lexigrille"
  WriteRegStr HKLM "Software\Classes\.lxg\OpenWithProgids" "${FILE_CLASS}" ""
  WriteRegStr HKLM "Software\Classes\${FILE_CLASS}" "" "Fiche ${PRODUCT}"
  WriteRegStr HKLM "Software\Classes\${FILE_CLASS}\DefaultIcon" "" '"$INSTDIR\lexigrille.exe",0'
  WriteRegStr HKLM "Software\Classes\${FILE_CLASS}\shell\open\command" "" '"$INSTDIR\lexigrille.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\Applications\lexigrille.exe\SupportedTypes" ".lxg" ""

  ; "Programs and Features".
  WriteRegStr HKLM "Software\${PRODUCT}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "https://lexigrille.fr"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\lexigrille.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Explorer shows the new icon and opens the type at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; The uninstaller removes the files the setup put there, its menu entry and its
; registry keys. The teacher's folder ("Lexigrille" in Documents) is not the
; setup's: it stays as it is, with every document and list in it.
Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ReadRegStr $0 HKLM "Software\Classes\.lxg" ""
  ${If} $0 == "${FILE_CLASS}"
    DeleteRegValue HKLM "Software\Classes\.lxg" ""
    DeleteRegValue HKLM "Software\Classes\.lxg" "Content Type"
  ${EndIf}
  DeleteRegValue HKLM "Software\Classes\.lxg\OpenWithProgids" "${FILE_CLASS}"
  DeleteRegKey /ifempty HKLM "Software\Classes\.lxg\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "Software\Classes\.lxg"
  DeleteRegKey HKLM "Software\Classes\${FILE_CLASS}"
  DeleteRegKey HKLM "Software\Classes\Applications\lexigrille.exe"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\${PRODUCT}"

  !include "${LISTS}/uninstall-files.nsh"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
