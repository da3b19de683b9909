; Installer of Tintora for Windows: installs the viewer and the skin gallery for all users
; under Program Files, adds Start-menu shortcuts and an uninstaller that Windows lists under
; installed programs. Built by scripts/release.sh, which defines:
;   VERSION  the product version (major.minor.patch)
;   STAGE    the folder holding Tintora.exe, TintoraGallery.exe and README.txt
;   ICON     the application icon
;   OUTFILE  the installer to write

!ifndef VERSION | STAGE | ICON | OUTFILE
  !error "Define VERSION, STAGE, ICON and OUTFILE (see scripts/release.sh)"
!endif

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Tintora"
!define COMPANY "Halvek"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define START_MENU "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; A 32-bit program: Program Files (x86) on 64-bit Windows.
InstallDir "$PROGRAMFILES\${PRODUCT}"
; An earlier installation is updated where it is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${COMPANY}"

; The installer's own version information. VIProductVersion wants four numbers.
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "(C) ${COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Installing for all users needs an administrator (Windows without UAC starts us as is).
!macro RequireAdmin
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_ICONSTOP "Installing ${PRODUCT} needs administrator rights."
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RequireAdmin
  SetShellVarContext all
FunctionEnd

Function un.onInit
  !insertmacro RequireAdmin
  SetShellVarContext all
FunctionEnd

Section "Tintora" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${STAGE}\Tintora.exe"
  File "${STAGE}\TintoraGallery.exe"
  File "${STAGE}\README.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "${START_MENU}"
  CreateShortcut "${START_MENU}\Tintora.lnk" "$INSTDIR\Tintora.exe" "" "$INSTDIR\Tintora.exe" 0
  CreateShortcut "${START_MENU}\Tintora skin gallery.lnk" "$INSTDIR\TintoraGallery.exe" "" "$INSTDIR\TintoraGallery.exe" 0
  CreateShortcut "${START_MENU}\Uninstall Tintora.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tintora.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Shown as the program's size, in KB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Delete "${START_MENU}\Tintora.lnk"
  Delete "${START_MENU}\Tintora skin gallery.lnk"
  Delete "${START_MENU}\Uninstall Tintora.lnk"
  RMDir "${START_MENU}"

  Delete "$INSTDIR\Tintora.exe"
  Delete "$INSTDIR\TintoraGallery.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only if empty: never remove what the user put there.
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
