// The GtkSourceView 4 language file (velmish.lang) that GNOME's text editors read.
#include "editor_files.h"
#include "regex_parts.h"

namespace editor_files {

namespace {

struct Style {
    const char* id;
    const char* name;
    const char* mapTo;
};

constexpr Style kStyles[] = {
    {"comment", "Comment", "def:comment"},
    {"label", "Label", "def:preprocessor"},
    {"control", "Control word", "def:keyword"},
    {"command", "Command", "def:builtin"},
    {"declaration", "Declaration", "def:type"},
    {"debugger", "Debugger command", "def:preprocessor"},
    {"value", "Quoted value", "def:string"},
    {"variable", "Variable", "def:identifier"},
    {"system-variable", "System variable", "def:special-constant"},
    {"operator", "Operator", "def:operator"},
};

std::string xml(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else if (c == '&')
            escaped += "&amp;";
        else
            escaped += c;
    }
    return escaped;
}

// A context matching one regular expression, its groups styled in order (an empty style leaves a group plain).
std::string matchContext(const std::string& id, const std::string& regex, const std::vector<std::string>& styles) {
    std::string text = "    <context id=\"" + id + "\">\n      <match>" + xml(regex) + "</match>\n      <include>\n";
    for (size_t i = 0; i < styles.size(); ++i) {
        if (styles[i].empty()) continue;
        text += "        <context sub-pattern=\"" + std::to_string(i + 1) + "\" style-ref=\"" + styles[i] + "\"/>\n";
    }
    return text + "      </include>\n    </context>\n";
}

std::string refs(const std::vector<std::string>& ids) {
    std::string text;
    for (const std::string& id : ids) text += "        <context ref=\"" + id + "\"/>\n";
    return text;
}

// The contexts for command words at one place (see kLineStart and kAfterBlank); returns their ids.
std::string commandContexts(const Language& language, const std::string& prefix, const std::string& place,
                            std::vector<std::string>& ids) {
    struct Group {
        const char* id;
        WordKind kind;
        const char* style;
    };
    constexpr Group kGroups[] = {{"control", WordKind::control, "control"},
                                 {"command", WordKind::command, "command"},
                                 {"declaration", WordKind::declaration, "declaration"},
                                 {"debugger", WordKind::debugger, "debugger"}};
    std::string text =
        matchContext(prefix + "jump", place + wordGroup(language, {WordKind::jump}) + "(.*)$", {"control", "label"});
    ids.push_back(prefix + "jump");
    for (const Group& group : kGroups) {
        text += matchContext(prefix + group.id, place + wordGroup(language, {group.kind}), {group.style});
        ids.push_back(prefix + group.id);
    }
    return text;
}

std::string operandContexts(const Language& language) {
    return "    <context id=\"system-variable\" style-ref=\"system-variable\">\n      <match>" +
           xml("\\[(" + alternation(language.systemVariables) + ")\\]") +
           "</match>\n    </context>\n"
           "    <context id=\"variable\" style-ref=\"variable\" end-at-line-end=\"true\">\n"
           "      <start>\\[</start>\n      <end>\\]</end>\n    </context>\n"
           "    <context id=\"value\" style-ref=\"value\" end-at-line-end=\"true\" class=\"string\">\n"
           "      <start>'</start>\n      <end>'</end>\n    </context>\n"
           "    <context id=\"operator\" style-ref=\"operator\">\n      <match>" +
           xml(characterClass(language.operators + language.separators)) + "</match>\n    </context>\n";
}

}  // namespace

std::string gtkSourceViewLanguage(const Language& language) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- Velmish scripts. Written by tools/editor_files from the keyword table: do not edit. -->\n"
        "<language id=\"velmish\" name=\"Velmish\" version=\"2.0\" section=\"Script\">\n"
        "  <metadata>\n"
        "    <property name=\"mimetypes\">text/x-velmish</property>\n"
        "    <property name=\"globs\">*.vl</property>\n"
        "    <property name=\"line-comment-start\">REM</property>\n"
        "  </metadata>\n  <styles>\n";
    for (const Style& style : kStyles) {
        text += std::string("    <style id=\"") + style.id + "\" name=\"" + style.name + "\" map-to=\"" + style.mapTo +
                "\"/>\n";
    }
    text += "  </styles>\n  <definitions>\n";
    text += "    <context id=\"rem-line\" style-ref=\"comment\" class=\"comment\">\n      <match>" +
            xml(kLineStart + wordGroup(language, {WordKind::comment}) + ".*$") + "</match>\n    </context>\n";
    text += "    <context id=\"label-line\" style-ref=\"label\">\n      <match>" + xml(kLineStart + "%.*$") +
            "</match>\n    </context>\n";
    text += matchContext("ignored-line", kLineStart + wordGroup(language, {WordKind::ignored}) + "(.*)$",
                         {"command", "comment"});
    std::vector<std::string> lineStart, oneLine;
    text += commandContexts(language, "", kLineStart, lineStart);
    text += commandContexts(language, "one-line-", kAfterBlank, oneLine);
    text += operandContexts(language);
    text += "    <context id=\"operands\">\n      <include>\n" +
            refs({"system-variable", "variable", "value", "operator"}) + "      </include>\n    </context>\n";
    text += "    <context id=\"condition-line\" end-at-line-end=\"true\">\n      <start>" +
            xml(kLineStart + wordGroup(language, {WordKind::condition})) +
            "</start>\n      <include>\n        <context sub-pattern=\"1\" where=\"start\" style-ref=\"control\"/>\n" +
            refs(oneLine) + refs({"operands"}) + "      </include>\n    </context>\n";
    text += "    <context id=\"velmish\" class=\"no-spell-check\">\n      <include>\n" +
            refs({"rem-line", "label-line", "ignored-line", "condition-line"}) + refs(lineStart) + refs({"operands"}) +
            "      </include>\n    </context>\n  </definitions>\n</language>\n";
    return text;
}

}  // namespace editor_files
