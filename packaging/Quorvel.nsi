; The Quorvel installer: copies a release into the program folder, registers the product's own
; uninstaller with Windows and runs setup.exe there, so that the editor's "/install" start
; takes the installation's own steps (file types, the Run value, the program group, the
; uninstaller's copy in the Windows folder). packaging/make-release.sh builds it with
;   makensis -DSTAGE=<folder of the release's files> -DOUTFILE=<installer> -DVERSION=<x.y>
;            [-DICON=<the program icon>]
; Silent mode (/S) installs into the default folder, or the one given with /D=.

Unicode true
!ifndef STAGE
  !error "STAGE must name the folder of the release's files (packaging/make-release.sh sets it)"
!endif
!ifndef OUTFILE
  !define OUTFILE "Quorvel-Setup.exe"
!endif
!ifndef VERSION
  !define VERSION "2.0"
!endif
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel"

!include "x64.nsh"

Name "Quorvel ${VERSION}"
BrandingText "Quorvel ${VERSION}"
!ifdef ICON
  Icon "${ICON}"
!endif
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quorvel"
; Every step of the installation writes machine-wide keys and folders.
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Quorvel"
VIAddVersionKey "CompanyName" "Trevanta"
VIAddVersionKey "FileDescription" "Quorvel installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"

Page directory
Page instfiles

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Quorvel needs a 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Section "Quorvel"
  SetOutPath "$INSTDIR"
  File "${STAGE}\qvdev.exe"
  File "${STAGE}\qvrun.exe"
  File "${STAGE}\setup.exe"
  File "${STAGE}\qvremove.exe"
  File "${STAGE}\qvtool.exe"
  File "${STAGE}\Tips.tod"
  File "${STAGE}\readme.txt"
  SetOutPath "$INSTDIR\help"
  File /r "${STAGE}\help\*.*"
  SetOutPath "$INSTDIR"

  ; Add/Remove Programs starts the product's own uninstaller, the copy that the install start
  ; puts into the Windows folder, and tells it which installation to remove.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvel ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Trevanta"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qvdev.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$WINDIR\qvremove.exe" "$INSTDIR"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; The product's own installation steps, started from the program folder (the current folder
  ; set above), where setup.exe finds qvdev.exe by its bare name.
  DetailPrint "Running setup.exe"
  ExecShellWait "open" "$INSTDIR\setup.exe"
SectionEnd
