; The installer of plane-figures for 64-bit Windows (NSIS 3, Modern UI 2).
; makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DPROGRAM=plane-figures.exe
;          -DWEBSITE=https://… -DOUTFILE=plane-figures-1.0.0-setup.exe installer.nsi
;
; For all users, with administrator rights, into Program Files; a Start-menu
; entry; .pfig files open in the program; one entry among the installed
; programs, kept when a newer version installs over an older one; /S installs
; and uninstalls without a question; the uninstall removes all it made.
Unicode true
Target amd64-unicode
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!ifndef VERSION | PROGRAM | OUTFILE | WEBSITE
  !error "define VERSION, PROGRAM, OUTFILE and WEBSITE"
!endif

!define NAME "Равнинни фигури"
!define PUBLISHER "The plane-figures developers"
!define EXE "plane-figures.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\plane-figures"
!define PROGID "plane-figures.exercise"
!define CLASSES "Software\Classes"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"
!define TEACHER_SHORTCUT "$SMPROGRAMS\${NAME} — за учителя.lnk"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\plane-figures"
; over an older version: into the folder it was installed in
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1026 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1026 "FileDescription" "Инсталиране на ${NAME}"
VIAddVersionKey /LANG=1026 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1026 "LegalCopyright" "MIT License"
VIAddVersionKey /LANG=1026 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "ProductVersion" "${VERSION}"

!define MUI_ICON "plane-figures.ico"
!define MUI_UNICON "plane-figures.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP "Нужни са права на администратор." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

Function .onInit
  SetShellVarContext all
  !insertmacro RequireAdministrator
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "/oname=${EXE}" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
    SW_SHOWNORMAL "" "Намира триъгълниците и четириъгълниците с върхове в посочени точки от мрежа"
  CreateShortcut "${TEACHER_SHORTCUT}" "$INSTDIR\${EXE}" "--teacher" "$INSTDIR\${EXE}" 0 \
    SW_SHOWNORMAL "" "Съставя за всеки ученик различни и еднакво трудни точки с работни листове и отговори"

  ; the .pfig file type: its icon and a double click opening it in the program
  WriteRegStr HKLM "${CLASSES}\.pfig" "" "${PROGID}"
  WriteRegStr HKLM "${CLASSES}\.pfig" "Content Type" "application/x-plane-figures"
  WriteRegStr HKLM "${CLASSES}\${PROGID}" "" "Файл с точки за „${NAME}“"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\DefaultIcon" "" '"$INSTDIR\${EXE}",0'
  WriteRegStr HKLM "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'

  ; one entry among the installed programs, the same key for every version
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${WEBSITE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${EXE}",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Explorer shows the new icon of .pfig files at once
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Function un.onInit
  SetShellVarContext all
  !insertmacro RequireAdministrator
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  Delete "${TEACHER_SHORTCUT}"
  ; .pfig only while it is still ours
  ReadRegStr $0 HKLM "${CLASSES}\.pfig" ""
  ${If} $0 == "${PROGID}"
    DeleteRegKey HKLM "${CLASSES}\.pfig"
  ${EndIf}
  DeleteRegKey HKLM "${CLASSES}\${PROGID}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
