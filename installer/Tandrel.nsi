; Tandrel's setup: a per-user install under the user's local application
; data, registered for removal, in English and Simplified Chinese.
; installer/CMakeLists.txt builds it with these defines:
;   VERSION, VERSION_QUAD   the project version (1.2.3 and 1.2.3.0)
;   TARGET                  x86-unicode (the product) or amd64-unicode (tests)
;   STAGE                   the files of one build as the portable zip holds them:
;                           Tandrel.exe, mouse.ico, skins\ (skinview.exe, skinpack.exe,
;                           the packaged skins)
;   SKIN_LIST               an include naming the packaged skins (!insertmacro SkinFiles)
;   APP_ICON                the program's icon, for setup and uninstaller
;   OUTFILE, PUBLISHER, COPYRIGHT

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all

!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh
!include FileFunc.nsh
!include ${SKIN_LIST}

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tandrel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Tandrel"

Name "Tandrel"
OutFile "${OUTFILE}"
BrandingText "Tandrel ${VERSION}"
InstallDir "$LOCALAPPDATA\Programs\Tandrel"
; An install over an earlier one goes where that one is.
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"

Var WasRunning

; ---- Pages -------------------------------------------------------------

!define MUI_ICON "${APP_ICON}"
!define MUI_UNICON "${APP_ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartTandrel
; The language chosen at install is the uninstaller's too.
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINST_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_RESERVEFILE_LANGDLL

VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Tandrel"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Tandrel ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${COPYRIGHT}"

LangString NameProgram ${LANG_ENGLISH} "Tandrel"
LangString NameProgram ${LANG_SIMPCHINESE} "Tandrel"
LangString DescProgram ${LANG_ENGLISH} "The program, its tray icon and a Start-menu shortcut."
LangString DescProgram ${LANG_SIMPCHINESE} "程序、托盘图标和开始菜单快捷方式。"
LangString NameTools ${LANG_ENGLISH} "Skin tools"
LangString NameTools ${LANG_SIMPCHINESE} "皮肤工具"
LangString DescTools ${LANG_ENGLISH} "For skin authors: the skin previewer, the skin packer and the packaged skins, in the skins folder."
LangString DescTools ${LANG_SIMPCHINESE} "供皮肤作者使用：皮肤预览器、皮肤打包工具和打包好的皮肤，位于 skins 文件夹。"
LangString NameSignIn ${LANG_ENGLISH} "Start Tandrel when I sign in"
LangString NameSignIn ${LANG_SIMPCHINESE} "登录时启动 Tandrel"
LangString DescSignIn ${LANG_ENGLISH} "Tandrel starts in the notification area each time you sign in to Windows."
LangString DescSignIn ${LANG_SIMPCHINESE} "每次登录 Windows 时，Tandrel 在通知区域启动。"
LangString StillRunning ${LANG_ENGLISH} "Tandrel is still running and did not end when asked to. Exit it from its tray menu, then choose Retry."
LangString StillRunning ${LANG_SIMPCHINESE} "Tandrel 仍在运行，请求退出后未能结束。请从托盘菜单退出它，然后选择“重试”。"

; ---- Closing a running Tandrel -----------------------------------------

; Asks a running Tandrel to end the way its tray menu's exit item ends it
; (the registered message "Tandrel.Exit" to its overlay window), then waits
; until its process is gone, so that its files can be replaced or removed.
; Sets $WasRunning to 1 when it closed one.
!macro CLOSE_TANDREL_FUNCTION un
Function ${un}CloseTandrel
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $WasRunning 0
  System::Call 'user32::RegisterWindowMessageW(w "Tandrel.Exit") i .r3'
  ${Do}
    FindWindow $0 "TForm4" "Form4"
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    StrCpy $WasRunning 1
    StrCpy $1 0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    ; SYNCHRONIZE: enough to wait for it.
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
    System::Call 'user32::PostMessageW(p r0, i r3, p 0, p 0)'
    StrCpy $4 1
    ${If} $2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 20000) i .r4'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    ; WAIT_OBJECT_0: the process has ended and its files are free.
    ${If} $4 <> 0
    ${AndIf} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDCANCEL`
      Abort
    ${EndIf}
  ${Loop}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_TANDREL_FUNCTION ""
!insertmacro CLOSE_TANDREL_FUNCTION "un."

; Started in its own folder, as the Start-menu shortcut starts it.
Function StartTandrel
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Tandrel.exe"'
FunctionEnd

; ---- Install -----------------------------------------------------------

!macro InstallSkin file
  File "${STAGE}/skins/${file}"
!macroend
!macro RemoveSkin file
  Delete "$INSTDIR\skins\${file}"
!macroend

Section "$(NameProgram)" SecProgram
  SectionIn RO
  Call CloseTandrel
  SetOutPath "$INSTDIR"
  File "${STAGE}/Tandrel.exe"
  File "${STAGE}/mouse.ico"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The shortcut's working directory is the current output folder.
  CreateShortcut "$SMPROGRAMS\Tandrel.lnk" "$INSTDIR\Tandrel.exe" "" "$INSTDIR\Tandrel.exe" 0

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "Tandrel"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\Tandrel.exe,0"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
SectionEnd

Section "$(NameTools)" SecTools
  SetOutPath "$INSTDIR\skins"
  File "${STAGE}/skins/skinview.exe"
  File "${STAGE}/skins/skinpack.exe"
  !insertmacro SkinFiles InstallSkin
SectionEnd

Section /o "$(NameSignIn)" SecSignIn
  WriteRegStr HKCU "${RUN_KEY}" "Tandrel" '"$INSTDIR\Tandrel.exe"'
SectionEnd

; What the components left out: an earlier install may have had them.
Section "-Tidy"
  ${IfNot} ${SectionIsSelected} ${SecSignIn}
    DeleteRegValue HKCU "${RUN_KEY}" "Tandrel"
  ${EndIf}
  ${IfNot} ${SectionIsSelected} ${SecTools}
    Delete "$INSTDIR\skins\skinview.exe"
    Delete "$INSTDIR\skins\skinpack.exe"
    !insertmacro SkinFiles RemoveSkin
    RMDir "$INSTDIR\skins"
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" "$0"
  ; A silent update puts back the Tandrel it closed; the finish page offers it otherwise.
  ${If} ${Silent}
  ${AndIf} $WasRunning = 1
    Call StartTandrel
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(DescProgram)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecTools} "$(DescTools)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSignIn} "$(DescSignIn)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
  ; Keep the sign-in choice of the copy being updated; /AUTOSTART=1 or
  ; /AUTOSTART=0 on the command line decides it.
  ClearErrors
  ReadRegStr $0 HKCU "${RUN_KEY}" "Tandrel"
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecSignIn}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART=" $1
  ${IfNot} ${Errors}
    ${If} $1 == "1"
      !insertmacro SelectSection ${SecSignIn}
    ${ElseIf} $1 == "0"
      !insertmacro UnselectSection ${SecSignIn}
    ${EndIf}
  ${EndIf}
FunctionEnd

; ---- Uninstall ---------------------------------------------------------

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Uninstall"
  Call un.CloseTandrel
  Delete "$INSTDIR\Tandrel.exe"
  Delete "$INSTDIR\mouse.ico"
  Delete "$INSTDIR\skins\skinview.exe"
  Delete "$INSTDIR\skins\skinpack.exe"
  !insertmacro SkinFiles RemoveSkin
  RMDir "$INSTDIR\skins"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Tandrel.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "Tandrel"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd
