; Installer of Q-Fendix, built by scripts/package.sh with makensis.
;   makensis -DVERSION=1.10 -DSTAGE=<folder with the release files> -DOUTFILE=<setup.exe>
;            Ombrix.nsi
; Installs for the current user into a folder of the user's choice, offers a
; Start-menu folder and a shortcut in the Startup folder. The uninstaller
; removes only what the installer put there: the settings file, the work and
; service folders and every menu file stay.
Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh

Name "Q-Fendix ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Ombrix"
InstallDirRegKey HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ombrix" "InstallLocation"

VIProductVersion "1.10.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "Q-Fendix"
VIAddVersionKey /LANG=1041 "FileDescription" "Q-Fendix インストーラ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (c) 2026 The Ombrix developers"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ombrix"
!define MENU_FOLDER "$SMPROGRAMS\Q-Fendix"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Ombrix.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; A running resident holds Ombrix.exe open: end it the way the programs do,
; through its window class, and give it a moment.
!macro EndResident
  FindWindow $0 "Q-Fendix"
  ${If} $0 <> 0
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    Sleep 1000
  ${EndIf}
!macroend

Section "Q-Fendix" SecProgram
  SectionIn RO
  !insertmacro EndResident
  SetOutPath "$INSTDIR"
  File "${STAGE}\Ombrix.exe"
  File "${STAGE}\Ombrixa.exe"
  File "${STAGE}\Ombrixm.exe"
  File "${STAGE}\Ombrix.chm"
  File "${STAGE}\README-ja.txt"
  File "${STAGE}\README-en.txt"
  File "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Q-Fendix"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Ombrix developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Ombrix.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "スタートメニューに登録" SecStartMenu
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Q-Fendix.lnk" "$INSTDIR\Ombrix.exe"
  CreateShortcut "${MENU_FOLDER}\Q-Fendix ヘルプ.lnk" "$INSTDIR\Ombrix.chm"
  CreateShortcut "${MENU_FOLDER}\アンインストール.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

Section "ログオン時に起動" SecStartup
  ; CreateShortcut makes no folders, and a fresh profile may lack this one.
  CreateDirectory "$SMSTARTUP"
  CreateShortcut "$SMSTARTUP\Q-Fendix.lnk" "$INSTDIR\Ombrix.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "常駐プログラムとヘルプ。"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecStartMenu} "スタートメニューに Q-Fendix のフォルダを作ります。"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecStartup} "Windows にログオンしたときに常駐プログラムを起動します（スタートアップフォルダにショートカットを置きます）。"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Only the installed files go: Ombrix.ini, the work and service folders and
; the menu files in them belong to the user, and the folder stays while
; they are there.
Section "Uninstall"
  !insertmacro EndResident
  Delete "$INSTDIR\Ombrix.exe"
  Delete "$INSTDIR\Ombrixa.exe"
  Delete "$INSTDIR\Ombrixm.exe"
  Delete "$INSTDIR\Ombrix.chm"
  Delete "$INSTDIR\README-ja.txt"
  Delete "$INSTDIR\README-en.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${MENU_FOLDER}\Q-Fendix.lnk"
  Delete "${MENU_FOLDER}\Q-Fendix ヘルプ.lnk"
  Delete "${MENU_FOLDER}\アンインストール.lnk"
  RMDir "${MENU_FOLDER}"
  Delete "$SMSTARTUP\Q-Fendix.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
