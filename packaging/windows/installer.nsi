; The Windows installer of the six programs, built by scripts/package-windows.sh:
;   makensis -DVERSION=<v> -DSTAGE=<laid-out copy> -DGENERATED=<folder> -DOUTFILE=<setup.exe>
; GENERATED holds files.nsh (install_files / uninstall_files: every file and folder of STAGE,
; named one by one, so the uninstaller removes exactly what was installed and leaves anything
; else, such as a user's own files, where it is) and shortcuts.nsh (the Start-menu entries, with
; the names, descriptions and icons of the Linux menu entries).
;
; For the current user (%LOCALAPPDATA%\Programs\lotto-szelveny) or, with administrator rights,
; for all users (Program Files). Silent: setup.exe /S /CurrentUser | /AllUsers.

; A 64-bit installer for 64-bit programs (and one that Wine without its 32-bit part runs).
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define APP_ID "lotto-szelveny"
!define APP_NAME "Lottó szelvénynyomtatók"
!define PUBLISHER "Lottó szelvénynyomtatók karbantartói"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define SETTINGS_KEY "Software\${APP_ID}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_ID}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
; NSIS has no Hungarian texts for the page of the installation mode; defined before the language
; file is read, they are taken instead of the English ones.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Felhasználók kiválasztása"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Kik használhassák a programokat?"
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Telepíti a programokat csak a saját maga számára, vagy a számítógép minden felhasználójának?"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Minden felhasználónak (rendszergazdai jog kell hozzá)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Csak nekem"
!include MultiUser.nsh
!include MUI2.nsh
!include "${GENERATED}\files.nsh"
!include "${GENERATED}\shortcuts.nsh"

Name "${APP_NAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"
!define MUI_ICON "${STAGE}\icons\keyprint6.ico"
!define MUI_UNICON "${STAGE}\icons\keyprint6.ico"
!define MUI_ABORTWARNING

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Hungarian"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "FileDescription" "${APP_NAME} telepítője"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "LegalCopyright" "${PUBLISHER}"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Programok"
    SetOutPath "$INSTDIR"
    !insertmacro install_files
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${APP_NAME}"
    !insertmacro create_shortcuts "$SMPROGRAMS\${APP_NAME}"

    ; SHCTX: HKLM for all users, HKCU for the current user (MultiUser sets the context).
    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\icons\keyprint6.ico"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${INSTALLED_KB}
SectionEnd

; Removes what the installer put there and nothing else: the game folders with the user's
; settings, keys and PDFs (in %LOCALAPPDATA%\lotto-szelveny and Documents) stay.
Section "Uninstall"
    !insertmacro remove_shortcuts "$SMPROGRAMS\${APP_NAME}"
    RMDir "$SMPROGRAMS\${APP_NAME}"
    !insertmacro uninstall_files
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegKey SHCTX "${SETTINGS_KEY}"
SectionEnd
