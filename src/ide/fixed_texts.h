// The editor's texts that no language file replaces.
#pragma once

#include <string>
#include <string_view>

namespace ide {

inline constexpr std::string_view kApplicationTitle = "Velmish Builder";  // also every confirmation box's caption
inline constexpr std::string_view kUnnamedDocument = "noname.vl";
inline constexpr std::string_view kDocumentFilter = "Velmish Program (*.vl)|*.vl|All files (*.*)|*.*";
inline constexpr std::string_view kIconFilter = "Icon files|*.ico";
inline constexpr std::string_view kFindCaption = "Find";
inline constexpr std::string_view kVelcompMissing = "VELCOMP.EXE not found.";
inline constexpr std::string_view kVelintMissing = "VELINT.EXE not found.";
inline constexpr std::string_view kErrorCaption = "ERROR";
inline constexpr std::string_view kCommandLabel = "Let [command]=";
inline constexpr std::string_view kAboutCaption = "About Velmish 4...";

// Save As and the naming step ask before a document replaces another existing file.
inline std::string replaceQuestion(std::string_view path) {
    return std::string(path) + " already exists.\nDo you want to replace it?";
}

// The question when the document's file changed on disk since it was read or saved: Yes reloads it,
// No keeps the text the editor shows.
inline std::string reloadQuestion(std::string_view path) {
    return std::string(path) +
           " has been changed on disk by another program.\nDo you want to reload it? No keeps the text shown here.";
}

// The main window's caption for a document: "Velmish 4 - noname.vl".
inline std::string windowCaption(std::string_view documentName) { return "Velmish 4 - " + std::string(documentName); }

// The position panel's text for a caret counted from 0: line 11, column 4 shows as "12:5".
inline std::string caretPositionText(size_t line, size_t column) {
    return std::to_string(line + 1) + ":" + std::to_string(column + 1);
}

}  // namespace ide
