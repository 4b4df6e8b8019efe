// velmish_editor_files DIR: writes the editor files generated from the language tables under DIR (the
// source tree's editors/ folder, or a scratch folder that the check compares with it).
#include <filesystem>
#include <fstream>
#include <iostream>

#include "editor_files.h"

namespace {

bool writeFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmish_editor_files DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const editor_files::Language language = editor_files::readTables();
    bool written =
        writeFile(dir / "vscode/syntaxes/velmish.tmLanguage.json", editor_files::textMateGrammar(language)) &&
        writeFile(dir / "gtksourceview/velmish.lang", editor_files::gtkSourceViewLanguage(language)) &&
        writeFile(dir / "keywords.txt", editor_files::keywordList(language));
    if (!written) std::cerr << "velmish_editor_files: cannot write under " << dir << "\n";
    return written ? 0 : 1;
}
