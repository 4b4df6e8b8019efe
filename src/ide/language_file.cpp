// Reading velmish.lng.
#include "ide/language_file.h"

#include "ide/document_file.h"
#include "ide/text_lines.h"

namespace ide {

namespace {

struct LanguageKey {
    std::string_view key;
    Caption target;
};

// A key that names two elements has two rows.
constexpr LanguageKey kKeys[] = {
    {"Menu_File", Caption::File1},
    {"Menu_File_New", Caption::New1},
    {"Menu_File_Open", Caption::Open1},
    {"Menu_File_Open_recent", Caption::Recentfiles1},
    {"Menu_File_Save", Caption::Save1},
    {"Menu_File_Save_as", Caption::Saveas1},
    {"Menu_File_Create_EXE", Caption::CreateEXEFile1},
    {"Menu_File_Quit", Caption::Quit1},
    {"Menu_Edit", Caption::Edit1},
    {"Menu_Edit_Undo", Caption::Undo1},
    {"Menu_Edit_Redo", Caption::Redo1},
    {"Menu_Edit_Copy", Caption::Copy1},
    {"Menu_Edit_Copy", Caption::Copy2},
    {"Menu_Edit_Cut", Caption::Cut1},
    {"Menu_Edit_Cut", Caption::Cut2},
    {"Menu_Edit_Paste", Caption::Paste1},
    {"Menu_Edit_Paste", Caption::Paste2},
    {"Menu_Edit_Delete", Caption::Delete1},
    {"Menu_Edit_Delete", Caption::Delete2},
    {"Menu_Edit_Select_all", Caption::Selectall1},
    {"Menu_Edit_Select_all", Caption::Selectall2},
    {"Menu_Edit_Find", Caption::Find1},
    {"Menu_Edit_Find_next", Caption::Findnext1},
    {"Menu_Script", Caption::Run1},
    {"Menu_Script_Run", Caption::Run2},
    {"Menu_Script_Compile", Caption::CompiletoEXE1},
    {"Menu_Script_GoToError", Caption::GoToError1},
    {"Menu_Script_DebuggerProperties", Caption::DebugProperties1},
    {"Menu_Script_SetCommand", Caption::Setcommand1},
    {"Menu_Help", Caption::Help1},
    {"Menu_Help_Manual", Caption::Manual1},
    {"Menu_Help_Reference", Caption::Reference1},
    {"Menu_Help_Website", Caption::Website1},
    {"Menu_Help_About", Caption::About1},
    {"Dialog_FileOpen_Title", Caption::OpenDialog},
    {"Dialog_FileSave_Title", Caption::SaveDialog},
    {"Dialog_SetCommand_Title", Caption::TCommandVar},
    {"Dialog_SetCommand_CloseButton", Caption::TCommandVar_OkButton},
    {"Dialog_Compile_Title", Caption::TChooseIcon},
    {"Dialog_Compile_CompileButton", Caption::TChooseIcon_Compile},
    {"Dialog_Compile_ChooseIcon", Caption::TChooseIcon_OpenIcon},
    {"Dialog_Compile_AutoLink", Caption::TChooseIcon_CheckBox1},
    {"Dialog_Compile_RunAfterHalt", Caption::TChooseIcon_CheckBox2},
    {"Dialog_Compile_LinkIcon", Caption::TChooseIcon_CheckBox3},
    {"Dialog_Find_Title", Caption::TFind},
    {"Dialog_Find_FindButton", Caption::TFind_Button1},
    {"Dialog_Find_CancelButton", Caption::TFind_Button2},
    {"Dialog_Debug_Title", Caption::TDebug},
    {"Dialog_Debug_OkButton", Caption::TDebug_Button1},
    {"Dialog_Debug_CancelButton", Caption::TDebug_Button2},
    {"Dialog_Debug_DebugScript", Caption::TDebug_CheckBox1},
    {"Dialog_Debug_StepMode", Caption::TDebug_RadioButton1},
    {"Dialog_Debug_TraceMode", Caption::TDebug_RadioButton2},
    {"Dialog_Debug_None", Caption::TDebug_RadioButton5},
    {"Dialog_Debug_Automatic", Caption::TDebug_RadioButton3},
    {"Dialog_Debug_Manual", Caption::TDebug_RadioButton4},
    {"Dialog_Debug_DebugMode", Caption::TDebug_GroupBox1},
    {"Dialog_Debug_VariableMonitoring", Caption::TDebug_GroupBox2},
    {"Tooltip_NewFile", Caption::ToolButton1},
    {"Tooltip_OpenFile", Caption::ToolButton2},
    {"Tooltip_SaveFile", Caption::ToolButton3},
    {"Tooltip_Find", Caption::ToolButton12},
    {"Tooltip_Copy", Caption::ToolButton5},
    {"Tooltip_Cut", Caption::ToolButton6},
    {"Tooltip_Paste", Caption::ToolButton7},
    {"Tooltip_Run", Caption::ToolButton9},
    {"Tooltip_Help", Caption::ToolButton11},
    {"MessageBox_CreateNewFile", Caption::NewFileQuestion},
    {"MessageBox_OpenOtherFile", Caption::OpenFileQuestion},
    {"MessageBox_QuitWithoutSaving", Caption::QuitQuestion},
    {"MessageBox_StringNotFound", Caption::StringNotFound},
    {"MessageBox_NoMoreResults", Caption::NoMoreMatches},
};

}  // namespace

void applyLanguageFile(std::string_view fileText, Captions& captions) {
    forEachLine(fileText, [&](std::string_view line) {
        size_t equals = line.find('=');
        if (equals == std::string_view::npos) return;
        std::string_view key = line.substr(0, equals);
        for (const LanguageKey& entry : kKeys) {
            if (entry.key == key) captions.replace(entry.target, std::string(line.substr(equals + 1)));
        }
    });
}

bool loadLanguageFile(const std::string& path, Captions& captions) {
    FileRead file = readDocumentFile(path);
    if (!file.ok()) return false;
    applyLanguageFile(file.text, captions);
    return true;
}

}  // namespace ide
