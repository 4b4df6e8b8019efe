// The TextMate grammar that VS Code (editors/vscode) and other TextMate-style editors read.
#include <map>

#include "editor_files.h"
#include "regex_parts.h"

namespace editor_files {

namespace {

const std::map<WordKind, std::string> kScopes = {
    {WordKind::control, "keyword.control.velmish"},
    {WordKind::condition, "keyword.control.conditional.velmish"},
    {WordKind::jump, "keyword.control.jump.velmish"},
    {WordKind::command, "keyword.other.command.velmish"},
    {WordKind::declaration, "storage.type.declaration.velmish"},
    {WordKind::debugger, "keyword.other.debugger.velmish"},
    {WordKind::ignored, "keyword.other.ignored.velmish"},
};

std::string json(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string captures(const std::vector<std::string>& scopes) {
    std::string text = "{";
    for (size_t i = 0; i < scopes.size(); ++i) {
        if (scopes[i].empty()) continue;
        if (text.size() > 1) text += ", ";
        text += json(std::to_string(i + 1)) + ": {\"name\": " + json(scopes[i]) + "}";
    }
    return text + "}";
}

std::string matchRule(const std::string& regex, const std::string& name, const std::vector<std::string>& groups) {
    std::string rule = "{\"match\": " + json(regex);
    if (!name.empty()) rule += ", \"name\": " + json(name);
    if (!groups.empty()) rule += ", \"captures\": " + captures(groups);
    return rule + "}";
}

std::string includes(const std::vector<std::string>& names) {
    std::string list = "[";
    for (const std::string& name : names)
        list += (list.size() > 1 ? ", " : "") + ("{\"include\": " + json("#" + name) + "}");
    return list + "]";
}

std::string patterns(const std::vector<std::string>& rules) {
    std::string list = "{\"patterns\": [\n";
    for (size_t i = 0; i < rules.size(); ++i) list += "        " + rules[i] + (i + 1 < rules.size() ? ",\n" : "\n");
    return list + "    ]}";
}

// One rule per kind of command word, for words at the given place (the start of a line, or after
// the condition of a one-line IF).
std::string commandRules(const Language& language, const std::string& place) {
    std::vector<std::string> rules;
    rules.push_back(matchRule(place + wordGroup(language, {WordKind::jump}) + "(.*)$", "",
                              {kScopes.at(WordKind::jump), "entity.name.label.velmish"}));
    for (WordKind kind : {WordKind::control, WordKind::command, WordKind::declaration, WordKind::debugger}) {
        rules.push_back(matchRule(place + wordGroup(language, {kind}), "", {kScopes.at(kind)}));
    }
    return patterns(rules);
}

std::string operandRules(const Language& language) {
    return patterns({
        matchRule("(\\[)(" + alternation(language.systemVariables) + ")(\\])", "variable.language.velmish",
                  {"punctuation.definition.variable.begin.velmish", "", "punctuation.definition.variable.end.velmish"}),
        matchRule("(\\[)([^\\]\\n]*)(\\])?", "variable.other.velmish",
                  {"punctuation.definition.variable.begin.velmish", "", "punctuation.definition.variable.end.velmish"}),
        matchRule("(')([^'\\n]*)(')?", "string.quoted.single.velmish",
                  {"punctuation.definition.string.begin.velmish", "", "punctuation.definition.string.end.velmish"}),
        matchRule(characterClass(language.operators), "keyword.operator.velmish", {}),
        matchRule(characterClass(language.separators), "punctuation.separator.velmish", {}),
    });
}

}  // namespace

std::string textMateGrammar(const Language& language) {
    std::string conditionLine = "{\"begin\": " + json(kLineStart + wordGroup(language, {WordKind::condition})) +
                                ", \"beginCaptures\": " + captures({kScopes.at(WordKind::condition)}) +
                                ", \"end\": \"$\", \"patterns\": " + includes({"one-line-command", "operands"}) + "}";
    return "{\n"
           "  \"$comment\": \"Velmish scripts. Written by tools/editor_files from the keyword table: do not edit.\",\n"
           "  \"name\": \"Velmish\",\n"
           "  \"scopeName\": \"source.velmish\",\n"
           "  \"fileTypes\": [\"vl\"],\n"
           "  \"patterns\": " +
           includes({"rem-line", "label-line", "ignored-line", "condition-line", "command", "operands"}) +
           ",\n"
           "  \"repository\": {\n"
           "    \"rem-line\": " +
           matchRule(kLineStart + wordGroup(language, {WordKind::comment}) + ".*$", "comment.line.rem.velmish",
                     {"punctuation.definition.comment.velmish"}) +
           ",\n    \"label-line\": " +
           matchRule(kLineStart + "(%)(.*)$", "meta.label.velmish",
                     {"punctuation.definition.label.velmish", "entity.name.label.velmish"}) +
           ",\n    \"ignored-line\": " +
           matchRule(kLineStart + wordGroup(language, {WordKind::ignored}) + "(.*)$", "",
                     {kScopes.at(WordKind::ignored), "comment.line.ignored.velmish"}) +
           ",\n    \"condition-line\": " + conditionLine + ",\n    \"command\": " + commandRules(language, kLineStart) +
           ",\n    \"one-line-command\": " + commandRules(language, kAfterBlank) +
           ",\n    \"operands\": " + operandRules(language) + "\n  }\n}\n";
}

}  // namespace editor_files
