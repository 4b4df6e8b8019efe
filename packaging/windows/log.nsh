; The setup program's own log (/LOG=FILE): a silent NSIS run shows no failure, so every step and
; the outcome are written down, and a failed step ends the run with exit code 2.

Var LogHandle

; Appends one line to the log file, when there is one; inlined, so it serves the uninstaller too.
!macro Log text
    ${If} $LogFile != ""
        FileOpen $LogHandle $LogFile a
        FileSeek $LogHandle 0 END
        FileWrite $LogHandle "${text}$\r$\n"
        FileClose $LogHandle
    ${EndIf}
    DetailPrint "${text}"
!macroend

; Ends the installation when the step just done set the error flag.
!macro CheckStep step
    ${If} ${Errors}
        !insertmacro Log "FAILED: ${step}"
        SetErrorLevel 2
        Abort "${step}: failed"
    ${EndIf}
    !insertmacro Log "ok: ${step}"
!macroend
