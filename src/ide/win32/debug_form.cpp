// TDebug, the debugger settings: which mode velint starts in and which variables it watches.
#include "ide/win32/forms.h"

namespace ide::win32 {

namespace {

constexpr int kOptions[] = {ID_GROUPBOX1,    ID_RADIOBUTTON1, ID_RADIOBUTTON2, ID_GROUPBOX2,
                            ID_RADIOBUTTON5, ID_RADIOBUTTON3, ID_RADIOBUTTON4};

}  // namespace

// The options are siblings of their group boxes, grouped by WS_GROUP, so the form gets their clicks.
void TDebug::createControls() {
    add("BUTTON", "", BS_CHECKBOX | WS_TABSTOP, 8, 6, 165, 17, ID_CHECKBOX1);
    add("BUTTON", "", BS_GROUPBOX, 8, 26, 165, 58, ID_GROUPBOX1);
    add("BUTTON", "", BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP, 18, 43, 145, 17, ID_RADIOBUTTON1);
    add("BUTTON", "", BS_RADIOBUTTON, 18, 61, 145, 17, ID_RADIOBUTTON2);
    add("BUTTON", "", BS_GROUPBOX | WS_GROUP, 8, 88, 165, 92, ID_GROUPBOX2);
    add("BUTTON", "", BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP, 18, 104, 145, 17, ID_RADIOBUTTON5);
    add("BUTTON", "", BS_RADIOBUTTON, 18, 121, 145, 17, ID_RADIOBUTTON3);
    add("BUTTON", "", BS_RADIOBUTTON, 18, 138, 145, 17, ID_RADIOBUTTON4);
    add("EDIT", "", ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP, 18, 156, 145, 20, ID_MONVARS, WS_EX_CLIENTEDGE);
    add("BUTTON", "", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 8, 186, 80, 25, IDOK);
    add("BUTTON", "", BS_PUSHBUTTON | WS_TABSTOP, 93, 186, 80, 25, IDCANCEL);
    applyCaptions();
    showSettings();
}

void TDebug::applyCaptions() {
    SetWindowTextA(hwnd(), captions_[Caption::TDebug].c_str());
    setText(IDOK, captions_[Caption::TDebug_Button1]);
    setText(IDCANCEL, captions_[Caption::TDebug_Button2]);
    setText(ID_CHECKBOX1, captions_[Caption::TDebug_CheckBox1]);
    setText(ID_RADIOBUTTON1, captions_[Caption::TDebug_RadioButton1]);
    setText(ID_RADIOBUTTON2, captions_[Caption::TDebug_RadioButton2]);
    setText(ID_RADIOBUTTON5, captions_[Caption::TDebug_RadioButton5]);
    setText(ID_RADIOBUTTON3, captions_[Caption::TDebug_RadioButton3]);
    setText(ID_RADIOBUTTON4, captions_[Caption::TDebug_RadioButton4]);
    setText(ID_GROUPBOX1, captions_[Caption::TDebug_GroupBox1]);
    setText(ID_GROUPBOX2, captions_[Caption::TDebug_GroupBox2]);
}

// Which options are ticked and enabled follows from the settings after every click.
void TDebug::showSettings() {
    setChecked(ID_CHECKBOX1, settings_.debugScript());
    setChecked(ID_RADIOBUTTON1, settings_.mode() == DebugMode::step);
    setChecked(ID_RADIOBUTTON2, settings_.mode() == DebugMode::trace);
    setChecked(ID_RADIOBUTTON5, settings_.watch() == VariableWatch::none);
    setChecked(ID_RADIOBUTTON3, settings_.watch() == VariableWatch::automatic);
    setChecked(ID_RADIOBUTTON4, settings_.watch() == VariableWatch::manual);
    for (int id : kOptions) EnableWindow(control(id), settings_.optionsEnabled());
    EnableWindow(control(ID_MONVARS), settings_.watchedVariablesEnabled());
}

bool TDebug::onCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case ID_CHECKBOX1: settings_.setDebugScript(!checked(ID_CHECKBOX1)); break;
        case ID_RADIOBUTTON1:
        case ID_RADIOBUTTON2: settings_.setMode(id == ID_RADIOBUTTON1 ? DebugMode::step : DebugMode::trace); break;
        case ID_RADIOBUTTON5:
        case ID_RADIOBUTTON3:
            settings_.setWatch(id == ID_RADIOBUTTON5 ? VariableWatch::none : VariableWatch::automatic);
            break;
        case ID_RADIOBUTTON4:
            settings_.setWatch(VariableWatch::manual);
            showSettings();
            SetFocus(control(ID_MONVARS));
            return true;
        default: return false;
    }
    showSettings();
    return true;
}

void TDebug::takeWatchedVariables() { settings_.setWatchedVariables(controlText(ID_MONVARS)); }

}  // namespace ide::win32
