; The optional PATH entry: the installed folder appended to the user's PATH (all users: the
; system's), and removed again by the uninstaller only when this setup added it.

Function AddToPath
    ${If} $AllUsers == 1
        ReadRegStr $R1 HKLM "${SYSTEM_ENV}" "Path"
    ${Else}
        ReadRegStr $R1 HKCU "${USER_ENV}" "Path"
    ${EndIf}
    ClearErrors
    ; A PATH near NSIS's string limit could come back cut short: leave it alone.
    StrLen $R2 "$R1;$INSTDIR"
    ${If} $R2 >= ${NSIS_MAX_STRLEN}
        !insertmacro Log "PATH is too long to change here: add $INSTDIR by hand"
        MessageBox MB_ICONINFORMATION|MB_OK "PATH is too long to change here: add $INSTDIR by hand." /SD IDOK
        Return
    ${EndIf}
    ${WordReplace} ";$R1;" ";$INSTDIR;" ";" "E+" $R2
    ${IfNot} ${Errors}
        !insertmacro Log "PATH already holds $INSTDIR"
        Return
    ${EndIf}
    ClearErrors
    ${If} $R1 == ""
        StrCpy $R2 "$INSTDIR"
    ${Else}
        StrCpy $R2 "$R1;$INSTDIR"
    ${EndIf}
    ${If} $AllUsers == 1
        WriteRegExpandStr HKLM "${SYSTEM_ENV}" "Path" $R2
    ${Else}
        WriteRegExpandStr HKCU "${USER_ENV}" "Path" $R2
    ${EndIf}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "AddedToPath" 1
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
FunctionEnd

Function un.RemoveFromPath
    ReadRegDWORD $R1 SHCTX "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $R1 != 1
        Return
    ${EndIf}
    ${If} $AllUsers == 1
        ReadRegStr $R1 HKLM "${SYSTEM_ENV}" "Path"
    ${Else}
        ReadRegStr $R1 HKCU "${USER_ENV}" "Path"
    ${EndIf}
    ${WordReplace} ";$R1;" ";$INSTDIR;" ";" "+" $R2
    ; Drop the separators added at both ends above.
    StrCpy $R2 $R2 "" 1
    StrCpy $R2 $R2 -1
    ${If} $AllUsers == 1
        ${If} $R2 == ""
            DeleteRegValue HKLM "${SYSTEM_ENV}" "Path"
        ${Else}
            WriteRegExpandStr HKLM "${SYSTEM_ENV}" "Path" $R2
        ${EndIf}
    ${Else}
        ${If} $R2 == ""
            DeleteRegValue HKCU "${USER_ENV}" "Path"
        ${Else}
            WriteRegExpandStr HKCU "${USER_ENV}" "Path" $R2
        ${EndIf}
    ${EndIf}
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
    !insertmacro Log "PATH entry removed"
FunctionEnd
