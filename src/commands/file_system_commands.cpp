// The file system commands: copy, move, delete, find, attributes and directories, on top of the
// system's file system and its C streams (for the old byte copy).
#include "commands/file_system_commands.h"

#include <cstdio>
#include <optional>

#include "core/text.h"

namespace commands {

using interp::SystemVariable;
namespace attribute = platform::attribute;

namespace {

using platform::Stream;

// The old copy: byte for byte through two binary streams. The source is opened first, so a
// source that is missing or no regular file (a directory, a pipe) leaves the target alone;
// copying a file onto itself would empty it and is refused before the target is opened. The copy
// is written beside the target and takes its place only when complete, so a copy that fails
// half-way (a full disk) leaves the target as it was.
bool oldCopy(platform::FileSystem& files, const std::string& source, const std::string& target) {
    Stream in = files.openStream(source, "rb");
    if (!in || files.sameFile(source, target)) return false;
    auto out = files.startWrite(target, platform::FileWriteMode::replace);
    return out && platform::copyStreamBytes(in.get(), out->stream()) && out->commit();
}

// The attribute words and their digits, in digit order: "NORMAL" is 0 ... "SYSTEM" is 6.
struct AttributeWord {
    const char* word;
    std::uint32_t bit;
};
constexpr AttributeWord kAttributeWords[] = {
    {"NORMAL", attribute::kNormal},         {"ARCHIVE", attribute::kArchive},     {"READONLY", attribute::kReadOnly},
    {"COMPRESSED", attribute::kCompressed}, {"DIRECTORY", attribute::kDirectory}, {"HIDDEN", attribute::kHidden},
    {"SYSTEM", attribute::kSystem},
};
constexpr int kAttributeCount = 7;

// The digit of an attribute given as a word (any case, blanks around) or as its digit; 7 for
// anything else. A digit outside 0 to 6 names no attribute either.
int attributeDigit(const std::string& attribute) {
    std::string word = interp::upperCase(interp::trimBlanks(attribute));
    for (int digit = 0; digit < kAttributeCount; ++digit) {
        if (word == kAttributeWords[digit].word) return digit;
    }
    bool isNumber = !word.empty() && word[0] >= '0' && word[0] <= '9';
    return isNumber ? interp::textToInt(word) : kAttributeCount;
}

// The attribute bit of the word or digit; nullopt when it names none.
std::optional<std::uint32_t> attributeBit(const std::string& attribute) {
    int digit = attributeDigit(attribute);
    if (digit < 0 || digit >= kAttributeCount) return std::nullopt;
    return kAttributeWords[digit].bit;
}

// The attribute word LETFILEATT sets, or nullopt when nothing needs to change. NORMAL replaces
// every attribute; the others are added to those the file has.
std::optional<std::uint32_t> attributesToSet(std::uint32_t current, std::uint32_t bit) {
    if (bit == attribute::kNormal) {
        if (current == attribute::kNormal) return std::nullopt;
        return attribute::kNormal;
    }
    if (current & bit) return std::nullopt;
    return current | bit;
}

// Where MKDIR creates the parents first. Backslashes separate names only on Windows; elsewhere
// they are ordinary characters of a name.
bool isSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

void endSearch(Session& session) { session.search.reset(); }

}  // namespace

FileFunctions fileFunctionsOf(const interp::VariableTable& vars) {
    return vars.get(interp::kUseOldFileFunctionsName) == "0" ? FileFunctions::old : FileFunctions::shell;
}

void copyFile(Context& ctx, const std::string& source, const std::string& target, FileFunctions functions) {
    ctx.session.forgetFileContents();
    platform::FileSystem& files = ctx.system.files();
    if (functions == FileFunctions::old) return setErrorcode(ctx, oldCopy(files, source, target));
    // A copy onto the file itself has nothing to do and must not harm it.
    if (files.sameFile(source, target)) return setErrorcode(ctx, false);
    setErrorcode(ctx, files.shellOperation(platform::ShellOperation::copy, source, target));
}

void renameFile(Context& ctx, const std::string& from, const std::string& to, FileFunctions functions) {
    ctx.session.forgetFileContents();
    platform::FileSystem& files = ctx.system.files();
    if (functions == FileFunctions::old) return setErrorcode(ctx, files.rename(from, to));
    setErrorcode(ctx, files.shellOperation(platform::ShellOperation::move, from, to));
}

void delFile(Context& ctx, const std::string& name) {
    ctx.session.forgetFileContents();
    setErrorcode(ctx, ctx.system.files().shellOperation(platform::ShellOperation::remove, name, std::string()));
}

// The same pattern continues the running search; another pattern starts a new one. A search
// that finds nothing, or no more, gives the empty text and releases what it held.
void findFiles(Context& ctx, Target target, const std::string& pattern) {
    std::string trimmed = interp::trimBlanks(pattern);
    if (trimmed.empty()) return;
    Session& session = ctx.session;
    std::string name;
    if (trimmed != session.lastPattern) {
        endSearch(session);
        session.search = ctx.system.files().startSearch(trimmed, name);
        session.lastPattern = trimmed;
    } else if (session.search) {
        auto next = session.search->next();
        if (next) {
            name = std::move(*next);
        } else {
            endSearch(session);
        }
    }
    ctx.vars.set(target, std::move(name));
}

// "0" when the file has the attribute, "-1" when it has not, does not exist or the attribute is
// unknown.
void getFileAtt(Context& ctx, Target target, const std::string& file, const std::string& attribute) {
    auto bit = attributeBit(attribute);
    auto attributes = bit ? ctx.system.files().attributes(file) : std::nullopt;
    bool has = attributes && (*attributes & *bit);
    ctx.vars.set(target, has ? "0" : "-1");
}

// "-1" for an unknown attribute, a missing file or a setting the system refuses.
void letFileAtt(Context& ctx, const std::string& file, const std::string& attribute) {
    ctx.session.forgetFileContents();
    auto bit = attributeBit(attribute);
    platform::FileSystem& files = ctx.system.files();
    auto attributes = bit ? files.attributes(file) : std::nullopt;
    if (!attributes) return setErrorcode(ctx, false);
    auto wanted = attributesToSet(*attributes, *bit);
    setErrorcode(ctx, !wanted || files.setAttributes(file, *wanted));
}

// A new current directory also ends the FINDFILES search: relative patterns now mean other
// files.
void chDir(Context& ctx, const std::string& directory) {
    if (!ctx.system.files().changeDirectory(directory)) return setErrorcode(ctx, false);
    setErrorcode(ctx, true);
    ctx.vars.set(SystemVariable::current, ctx.system.currentDirectory());
    ctx.session.lastPattern.clear();
    endSearch(ctx.session);
}

// Every parent along the path is created first (failures ignored: most exist already); the
// result is that of creating the full path, so an existing directory gives "-1". Separators at
// the end belong to the full path: the directory before them is created last, not as a parent.
void mkDir(Context& ctx, const std::string& directory) {
    platform::FileSystem& files = ctx.system.files();
    size_t end = directory.size();
    while (end > 0 && isSeparator(directory[end - 1])) --end;
    for (size_t i = 0; i < end; ++i) {
        if (isSeparator(directory[i])) files.makeDirectory(directory.substr(0, i));
    }
    setErrorcode(ctx, files.makeDirectory(directory));
}

void rmDir(Context& ctx, const std::string& directory) {
    setErrorcode(ctx, ctx.system.files().removeDirectory(directory));
}

}  // namespace commands
