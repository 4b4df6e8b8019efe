// System variables: their fixed indices and script names.
//
// The index is the number compiled programs use in place of the name; the interpreter, the
// compiler, the runtime and the editor all read this one table. Keep indices stable: compiled
// programs depend on them.
#pragma once

#include <optional>
#include <string_view>

namespace interp {

// X(identifier, index, script name)
#define VELMISH_SYSTEM_VARIABLES(X)             \
    X(errorcode, 0, "errorcode")                \
    X(command, 1, "command")                    \
    X(current, 2, "current")                    \
    X(ownname, 3, "ownname")                    \
    X(Echo_Title, 4, "Echo_Title")              \
    X(Confirm_Title, 5, "Confirm_Title")        \
    X(windir, 6, "windir")                      \
    X(time, 7, "time")                          \
    X(winvers, 8, "winvers")                    \
    X(curuser, 9, "curuser")                    \
    X(day, 10, "day")                           \
    X(month, 11, "month")                       \
    X(year, 12, "year")                         \
    X(IBox_Ok, 13, "IBox_Ok")                   \
    X(IBox_Cancel, 14, "IBox_Cancel")           \
    X(OpenBox_MultiSel, 15, "OpenBox_MultiSel") \
    X(SaveBox_MultiSel, 16, "SaveBox_MultiSel") \
    X(EditBox_Ok, 17, "EditBox_Ok")             \
    X(EditBox_Cancel, 18, "EditBox_Cancel")     \
    X(EditBox_Width, 19, "EditBox_Width")       \
    X(EditBox_Height, 20, "EditBox_Height")     \
    X(ListBox_Width, 21, "ListBox_Width")       \
    X(ListBox_Height, 22, "ListBox_Height")     \
    X(ListBox_Ok, 23, "ListBox_Ok")             \
    X(new_line, 24, "new_line")                 \
    X(clipboard, 25, "clipboard")               \
    X(InfoBox_Width, 26, "InfoBox_Width")       \
    X(InfoBox_Height, 27, "InfoBox_Height")     \
    X(InfoBox_Enabled, 28, "InfoBox_Enabled")   \
    X(VL_Version, 29, "VL_Version")             \
    X(VL_Pro, 30, "VL_Pro")

enum class SystemVariable {
#define VELMISH_ENUM_ENTRY(id, index, name) id = index,
    VELMISH_SYSTEM_VARIABLES(VELMISH_ENUM_ENTRY)
#undef VELMISH_ENUM_ENTRY
};

// Number of indices reserved for system variables; the first user variable gets this index.
inline constexpr int kFirstUserVariableIndex = 31;

// Variables that exist in scripts but have no index: the interpreter creates them at start-up
// (core/system_start.cpp) and compiled programs never name them.
inline constexpr std::string_view kUseOldFileFunctionsName = "VL_UseOldFileFunctions";

// The script name of a system variable ("errorcode").
std::string_view scriptName(SystemVariable variable);

// The system variable with this script name, if any (exact case).
std::optional<SystemVariable> systemVariableNamed(std::string_view name);

}  // namespace interp
