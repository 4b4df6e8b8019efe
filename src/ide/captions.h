// The replaceable texts of the editor's windows, with their built-in English values.
#pragma once

#include <array>
#include <string>

namespace ide {

// (text, built-in value), one row per window element whose text velmish.lng may replace. Forms'
// elements carry the form's name (TFind_Button1); the main window's do not (Copy1).
#define VELIDE_CAPTIONS(X)                                                               \
    X(File1, "&File")                                                                    \
    X(New1, "&New")                                                                      \
    X(Open1, "&Open")                                                                    \
    X(Save1, "&Save")                                                                    \
    X(Recentfiles1, "Open &recent")                                                      \
    X(Saveas1, "Save &as...")                                                            \
    X(CreateEXEFile1, "&Create EXE-File...")                                             \
    X(Quit1, "&Quit")                                                                    \
    X(Edit1, "&Edit")                                                                    \
    X(Undo1, "&Undo")                                                                    \
    X(Redo1, "&Redo")                                                                    \
    X(Cut1, "C&ut")                                                                      \
    X(Copy1, "&Copy")                                                                    \
    X(Paste1, "&Paste")                                                                  \
    X(Delete1, "&Delete")                                                                \
    X(Selectall1, "Select &all")                                                         \
    X(Find1, "&Find")                                                                    \
    X(Findnext1, "Find &next")                                                           \
    X(Cut2, "C&ut")                                                                      \
    X(Copy2, "&Copy")                                                                    \
    X(Paste2, "&Paste")                                                                  \
    X(Delete2, "&Delete")                                                                \
    X(Selectall2, "Select &all")                                                         \
    X(Run1, "&Script")                                                                   \
    X(Run2, "&Run")                                                                      \
    X(CompiletoEXE1, "&Compile to .EXE")                                                 \
    X(GoToError1, "&Go to error")                                                        \
    X(DebugProperties1, "&Debugger properties...")                                       \
    X(Setcommand1, "Set [command]")                                                      \
    X(Help1, "&Help")                                                                    \
    X(Manual1, "&Manual")                                                                \
    X(Reference1, "&Reference")                                                          \
    X(Website1, "Velmish on the &Web")                                                   \
    X(About1, "&About...")                                                               \
    X(OpenDialog, "Load")                                                                \
    X(SaveDialog, "Save as...")                                                          \
    X(TCommandVar, "Set [command]")                                                      \
    X(TCommandVar_OkButton, "&Close")                                                    \
    X(TChooseIcon, "Compile script")                                                     \
    X(TChooseIcon_Compile, "Compile")                                                    \
    X(TChooseIcon_OpenIcon, "Load Icon")                                                 \
    X(TChooseIcon_CheckBox1, "Automatic linking")                                        \
    X(TChooseIcon_CheckBox2, "Run after compiler halt")                                  \
    X(TChooseIcon_CheckBox3, "Link icon")                                                \
    X(TFind, "Find")                                                                     \
    X(TFind_Button1, "&Find")                                                            \
    X(TFind_Button2, "&Cancel")                                                          \
    X(TDebug, "Debugger settings")                                                       \
    X(TDebug_Button1, "&Ok")                                                             \
    X(TDebug_Button2, "&Cancel")                                                         \
    X(TDebug_CheckBox1, "&Debug script")                                                 \
    X(TDebug_RadioButton1, "Step")                                                       \
    X(TDebug_RadioButton2, "Trace")                                                      \
    X(TDebug_RadioButton5, "&None")                                                      \
    X(TDebug_RadioButton3, "&Automatic")                                                 \
    X(TDebug_RadioButton4, "Manual")                                                     \
    X(TDebug_GroupBox1, "Debug-Mode")                                                    \
    X(TDebug_GroupBox2, "Variable &monitoring")                                          \
    X(ToolButton1, "New script... (CTRL+N)")                                             \
    X(ToolButton2, "Open script (CTRL+O)")                                               \
    X(ToolButton3, "Save script (CTRL+S)")                                               \
    X(ToolButton12, "Find (F3)")                                                         \
    X(ToolButton5, "Copy (CTRL+C)")                                                      \
    X(ToolButton6, "Cut (CTRL+X)")                                                       \
    X(ToolButton7, "Paste (CTRL+V)")                                                     \
    X(ToolButton9, "Run script (F5)")                                                    \
    X(ToolButton11, "User's Manual (F1)")                                                \
    X(NewFileQuestion, "Do you really want to dicard the current file without saving?")  \
    X(OpenFileQuestion, "Do you really want to dicard the current file without saving?") \
    X(QuitQuestion, "Do you really want to quit without saving?")                        \
    X(StringNotFound, "String could not be found.")                                      \
    X(NoMoreMatches, "No more matches.")

enum class Caption {
#define VELIDE_CAPTION_ENUM(name, builtIn) name,
    VELIDE_CAPTIONS(VELIDE_CAPTION_ENUM)
#undef VELIDE_CAPTION_ENUM
};

inline constexpr size_t kCaptionCount = 0
#define VELIDE_CAPTION_COUNT(name, builtIn) +1
    VELIDE_CAPTIONS(VELIDE_CAPTION_COUNT)
#undef VELIDE_CAPTION_COUNT
    ;

// The texts in use: built in at first, replaced by the language file.
class Captions {
  public:
    Captions();
    const std::string& operator[](Caption caption) const { return texts_[static_cast<size_t>(caption)]; }
    void replace(Caption caption, std::string text) { texts_[static_cast<size_t>(caption)] = std::move(text); }

  private:
    std::array<std::string, kCaptionCount> texts_;
};

}  // namespace ide
