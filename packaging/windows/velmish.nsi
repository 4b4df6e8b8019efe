; The Windows setup program of Velmish (NSIS 3). Built by tools/package.sh:
;   makensis -DVERSION=4.3 -DSTAGE=<installed folder> -DLISTS=<folder of the file lists> -DOUTFILE=<exe>
; Installs for the current user (no elevation) unless /ALLUSERS is given. Switches:
;   /S silent, /D=FOLDER target folder (last), /ALLUSERS all users (needs administrator rights),
;   /PATH add the folder to PATH, /LOG=FILE write each step and the outcome to FILE.
; The uninstaller removes exactly the files, keys and values written here.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinMessages.nsh

!define PRODUCT "Velmish"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmish"
!define PROGID "Velmish.Script"
!define USER_ENV "Environment"
!define SYSTEM_ENV "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

Var AllUsers   ; 1 when installing for all users
Var LogFile    ; the /LOG file, empty without one

!define MUI_ICON "../../src/platform/win32/velmish.ico"
!define MUI_UNICON "../../src/platform/win32/velmish.ico"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\doc\index.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the manual"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!include "log.nsh"
!include "path.nsh"

; Reads the switches shared by the setup program and the uninstaller.
!macro ReadSwitches un
    ${${un}GetParameters} $R0
    StrCpy $AllUsers 0
    ClearErrors
    ${${un}GetOptions} $R0 "/ALLUSERS" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    StrCpy $LogFile ""
    ClearErrors
    ${${un}GetOptions} $R0 "/LOG=" $R1
    ${IfNot} ${Errors}
        StrCpy $LogFile $R1
    ${EndIf}
    ${If} $AllUsers == 1
        UserInfo::GetAccountType
        Pop $R1
        ${If} $R1 != "Admin"
            !if "${un}" == ""
                ; The setup program asks for the rights by starting again, elevated.
                ${IfNot} ${Silent}
                    ExecShell "runas" "$EXEPATH" $R0
                    Quit
                ${EndIf}
            !endif
            !insertmacro Log "FAILED: all users: this needs administrator rights"
            MessageBox MB_ICONSTOP|MB_OK "For all users, start this program as administrator." /SD IDOK
            SetErrorLevel 740  ; ERROR_ELEVATION_REQUIRED
            Quit
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
!macroend

Section "Velmish" SecMain
    SectionIn RO
    ClearErrors
    !include "${LISTS}\install_files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    !insertmacro CheckStep "files copied"

    Call WriteFileType
    !insertmacro CheckStep "file type .vl registered"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Velmish Editor.lnk" "$INSTDIR\velide.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Velmish Manual.lnk" "$INSTDIR\doc\index.html"
    Call UninstallSwitches
    Pop $R1
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall Velmish.lnk" "$INSTDIR\uninstall.exe" $R1
    !insertmacro CheckStep "Start menu group made"

    Call WriteUninstallKey
    !insertmacro CheckStep "uninstall entry written"
SectionEnd

Section /o "Add the Velmish folder to PATH" SecPath
    ClearErrors
    Call AddToPath
    !insertmacro CheckStep "PATH"
SectionEnd

; After the sections, whose indexes it uses.
Function .onInit
    !insertmacro ReadSwitches ""
    ; /D= names the folder; otherwise the usual place for this kind of installation.
    ${If} $INSTDIR == ""
        ${If} $AllUsers == 1
            StrCpy $INSTDIR "$PROGRAMFILES\${PRODUCT}"
        ${Else}
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/PATH" $R1
    ${IfNot} ${Errors}
        SectionSetFlags ${SecPath} ${SF_SELECTED}
    ${EndIf}
    !insertmacro Log "Velmish ${VERSION} setup: folder $INSTDIR, all users $AllUsers"
FunctionEnd

Function .onInstSuccess
    !insertmacro Log "Velmish installed"
FunctionEnd

Function .onInstFailed
    !insertmacro Log "FAILED: Velmish is not installed"
FunctionEnd

; The switches the uninstaller needs to undo this installation.
Function UninstallSwitches
    ${If} $AllUsers == 1
        Push "/ALLUSERS"
    ${Else}
        Push ""
    ${EndIf}
FunctionEnd

; .vl: double click runs the script, Edit opens it in the editor, Compile links it into a program.
; A file type that another program owned is remembered, and given back by the uninstaller.
Function WriteFileType
    ReadRegStr $R1 SHCTX "Software\Classes\.vl" ""
    ClearErrors  ; set when there was no file type yet
    ${If} $R1 != ""
    ${AndIf} $R1 != "${PROGID}"
        WriteRegStr SHCTX "${UNINSTALL_KEY}" "PreviousVlType" $R1
    ${EndIf}
    WriteRegStr SHCTX "Software\Classes\.vl" "" "${PROGID}"
    WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Velmish script"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" '"$INSTDIR\velint.exe",0'
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell" "" "open"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\velint.exe" "%1"'
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\edit" "" "&Edit"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\edit\command" "" '"$INSTDIR\velide.exe" "%1"'
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\compile" "" "&Compile"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\compile\command" "" '"$INSTDIR\velcomp.exe" "%1" /L'
    ; SHCNE_ASSOCCHANGED: Explorer shows the new icon and verbs at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
FunctionEnd

Function WriteUninstallKey
    Call UninstallSwitches
    Pop $R1
    ${If} $R1 != ""
        StrCpy $R1 " $R1"
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Velmish developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\velide.exe",0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"$R1'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S$R1'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $R2 $R3 $R4
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $R2
FunctionEnd

; ---- the uninstaller ----

Function un.onInit
    !insertmacro ReadSwitches "un."
    !insertmacro Log "Velmish ${VERSION} uninstall: folder $INSTDIR, all users $AllUsers"
FunctionEnd

Section "Uninstall"
    Call un.RemoveFromPath

    ; The file type, given back to its former owner where there was one.
    ReadRegStr $R1 SHCTX "Software\Classes\.vl" ""
    ${If} $R1 == "${PROGID}"
        ReadRegStr $R2 SHCTX "${UNINSTALL_KEY}" "PreviousVlType"
        ${If} $R2 != ""
            WriteRegStr SHCTX "Software\Classes\.vl" "" $R2
        ${Else}
            DeleteRegValue SHCTX "Software\Classes\.vl" ""
            DeleteRegKey /ifempty SHCTX "Software\Classes\.vl"
        ${EndIf}
    ${EndIf}
    DeleteRegKey SHCTX "Software\Classes\${PROGID}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    Delete "$SMPROGRAMS\${PRODUCT}\Velmish Editor.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\Velmish Manual.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\Uninstall Velmish.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"

    ; Only the installed files: anything the user put into the folder stays, and so does the folder.
    !include "${LISTS}\uninstall_files.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    !insertmacro Log "Velmish uninstalled"
SectionEnd
