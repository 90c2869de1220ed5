; Kadrion's installer: for the current user, into a folder the program may write to (it keeps
; its catalogue beside itself), with a Start-menu shortcut and an uninstaller that keeps the
; catalogue, the descriptions and the notes unless asked.
;   makensis -DARCH=win32|win64 -DPROGRAM=<folder of Kadrion.exe> -DICON=<kadrion.ico>
;            -DOUTFILE=<installer.exe> kadrion.nsi
Unicode true
SetCompressor /SOLID lzma

!define VERSION "1.1.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kadrion"

!if "${ARCH}" == "win64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif

Name "Kadrion"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Kadrion"
InstallDirRegKey HKCU "Software\Kadrion" "InstallDir"
ShowInstDetails show

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Polish.nlf"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1045 "ProductName" "Kadrion"
VIAddVersionKey /LANG=1045 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "FileDescription" "Instalator programu Kadrion"
VIAddVersionKey /LANG=1045 "LegalCopyright" "Kadrion"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${PROGRAM}\Kadrion.exe"
  ; The program expects both folders and never makes them itself.
  CreateDirectory "$INSTDIR\Dane"
  CreateDirectory "$INSTDIR\Opisy"
  WriteUninstaller "$INSTDIR\Odinstaluj.exe"
  CreateShortcut "$SMPROGRAMS\Kadrion.lnk" "$INSTDIR\Kadrion.exe"
  WriteRegStr HKCU "Software\Kadrion" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kadrion"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kadrion.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Odinstaluj.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Odinstaluj.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$INSTDIR\Kadrion.exe"
  Delete "$SMPROGRAMS\Kadrion.lnk"
  ; The user's films stay unless the user says otherwise; a silent uninstall keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Usunąć również katalog filmów, opisy i notatki (foldery Dane i Opisy)?" /SD IDNO IDNO keep
  RMDir /r "$INSTDIR\Dane"
  RMDir /r "$INSTDIR\Opisy"
keep:
  Delete "$INSTDIR\Odinstaluj.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Kadrion"
SectionEnd
