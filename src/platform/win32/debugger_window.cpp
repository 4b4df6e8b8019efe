// The debugger window: the next script line, the watch list and the Step, Trace, Set and Halt
// buttons. It shares the dialog windows' class and window procedure.

#include "platform/win32/win32_desktop.h"

namespace platform {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

}  // namespace

void Win32Desktop::createDebuggerWindow() {
    debugger_ = createTopWindow(0, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0, 0, 348, 160);
    // Positions come from the layout below, which WM_SIZE repeats whenever the window is resized.
    watchList_ = createControl(debugger_, "listbox", "", kWatchList, WS_EX_CLIENTEDGE,
                               kChild | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, 0, 0, 0, 0);
    lineDisplay_ =
        createControl(debugger_, "edit", "", kLineDisplay, WS_EX_CLIENTEDGE, kChild | ES_READONLY, 0, 0, 0, 0);
    stepButton_ =
        createControl(debugger_, "button", "&Step", kStep, 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0);
    traceButton_ = createControl(debugger_, "button", "&Trace", kTrace, 0, kChild | WS_TABSTOP, 0, 0, 0, 0);
    valueEntry_ = createControl(debugger_, "edit", "", 0, WS_EX_CLIENTEDGE,
                                kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL, 0, 0, 0, 0);
    setButton_ = createControl(debugger_, "button", "&Set", kSet, 0, kChild | WS_TABSTOP, 0, 0, 0, 0);
    haltButton_ = createControl(debugger_, "button", "&Halt", kHalt, 0, kChild | WS_TABSTOP, 0, 0, 0, 0);
    RECT client{};
    GetClientRect(debugger_, &client);
    layoutDebugger(client.right, client.bottom);
}

void Win32Desktop::layoutDebugger(int width, int height) {
    MoveWindow(watchList_, 0, 0, width - 1, height - 50, TRUE);
    MoveWindow(lineDisplay_, 0, height - 47, width - 1, 21, TRUE);
    MoveWindow(stepButton_, 0, height - 22, 50, 22, TRUE);
    MoveWindow(traceButton_, 52, height - 22, 50, 22, TRUE);
    MoveWindow(valueEntry_, 104, height - 22, 132, 22, TRUE);
    MoveWindow(setButton_, 236, height - 22, 40, 22, TRUE);
    MoveWindow(haltButton_, width - 61, height - 22, 60, 22, TRUE);
}

void Win32Desktop::fillWatchList(const std::vector<std::string>& entries) {
    SendMessageA(watchList_, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries) {
        SendMessageA(watchList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

// ---- What the debugger asks of its window ------------------------------------------------------

void Win32Desktop::setDebuggerEvents(DebuggerEvents* events) { debuggerEvents_ = events; }

void Win32Desktop::showDebugger(const DebuggerView& view) {
    if (!debugger_) return;
    setText(lineDisplay_, view.line);
    setText(debugger_, view.traceMode ? "Velmish Debug :: Trace Mode" : "Velmish Debug :: Step Mode");
    fillWatchList(view.watches);
    ShowWindow(debugger_, SW_SHOW);
    UpdateWindow(debugger_);
}

void Win32Desktop::enableDebuggerButtons(bool step, bool trace) {
    if (!debugger_) return;
    EnableWindow(stepButton_, step);
    EnableWindow(traceButton_, trace);
}

void Win32Desktop::hideDebugger() {
    if (debugger_) ShowWindow(debugger_, SW_HIDE);
}

DebuggerStep Win32Desktop::debuggerStep(bool wait) {
    if (debugger_ && wait && !haltPressed_) {
        dialogDone_ = false;
        SetFocus(stepButton_);
        runModalLoop(debugger_);
    }
    return haltPressed_ ? DebuggerStep::halt : DebuggerStep::go;
}

// ---- The user's actions ------------------------------------------------------------------------

void Win32Desktop::onDebuggerCommand(int id, int code) {
    if (id == kWatchList) {
        if (code == LBN_SELCHANGE) onWatchSelection();
        return;
    }
    // Enter and Escape reach the window as ids 1 and 2 through IsDialogMessageA; only the buttons
    // release a command, so they are not acted on here.
    if (code != BN_CLICKED) return;
    switch (id) {
        case kStep: onStep(); break;
        case kTrace: onTrace(); break;
        case kSet: onSet(); break;
        case kHalt: onHalt(); break;
        default: break;
    }
}

void Win32Desktop::onStep() {
    if (debuggerEvents_) debuggerEvents_->stepPressed();
    EnableWindow(traceButton_, TRUE);
    dialogDone_ = true;
}

void Win32Desktop::onTrace() {
    if (debuggerEvents_) debuggerEvents_->tracePressed();
    EnableWindow(stepButton_, TRUE);
    EnableWindow(traceButton_, FALSE);
    dialogDone_ = true;
}

void Win32Desktop::onSet() {
    auto index = static_cast<int>(SendMessageA(watchList_, LB_GETCURSEL, 0, 0));
    if (index != LB_ERR && debuggerEvents_) {
        // The assignment goes through the variable table, so its write hooks act.
        fillWatchList(debuggerEvents_->setPressed(index, windowText(valueEntry_)));
        SendMessageA(watchList_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        setText(valueEntry_, "");
        SetFocus(valueEntry_);
    }
    SetFocus(stepButton_);
}

void Win32Desktop::onWatchSelection() {
    auto index = static_cast<int>(SendMessageA(watchList_, LB_GETCURSEL, 0, 0));
    if (index == LB_ERR || !debuggerEvents_) {
        setText(valueEntry_, "");
        return;
    }
    std::string value = debuggerEvents_->watchedValue(index);
    setText(valueEntry_, value);
    SendMessageA(valueEntry_, EM_SETSEL, 0, static_cast<LPARAM>(value.size()));
    SetFocus(valueEntry_);
}

void Win32Desktop::onHalt() {
    // Noted here and ended by the command loop before the next command: nothing leaves the
    // window procedure early. The quit message ends whatever modal loop runs now (a message box
    // of the script, a dialog, the step wait) at once, so the program ends without waiting for
    // the user to close a box first.
    haltPressed_ = true;
    dialogDone_ = true;
    PostQuitMessage(0);
}

}  // namespace platform
