// The tables of one compile run: variable names with their indices, label definitions and
// label references.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace compiler {

// Variable names and the indices compiled code uses for them. Indices 0 to 30 are the system
// variables; every other name gets the next index when it first appears. Names are compared
// exactly, case included; there is no limit on their number.
class VariableNames {
  public:
    VariableNames();  // holds the 31 system variable names

    // The name's index, adding the name when it is new. The empty name is a name like any
    // other and gets an index of its own.
    int indexOf(const std::string& name);

    int count() const { return static_cast<int>(names_.size()); }
    const std::string& nameAt(int index) const { return names_[static_cast<size_t>(index)]; }

  private:
    std::vector<std::string> names_;                // index -> name
    std::unordered_map<std::string, int> indices_;  // name -> index
};

// A label that a GOTO or GOSUB uses, with the line counter at its first use.
struct LabelReference {
    std::string name;
    int lineCounter;
};

// Label lines met so far and labels jumped to, both without a limit on their number.
class LabelTables {
  public:
    // Records a label line. False when the name was defined before. The empty name (a label
    // line holding only "%") is not recorded and never repeats.
    bool define(const std::string& name);

    // Records a jump target; a name already referenced keeps the line of its first use.
    void reference(const std::string& name, int lineCounter);

    // The first referenced label, in the order of first use, that no label line defines.
    std::optional<LabelReference> firstUndefined() const;

    size_t definitionCount() const { return definitions_.size(); }
    const std::vector<LabelReference>& references() const { return references_; }

  private:
    std::unordered_set<std::string> definitions_;
    std::vector<LabelReference> references_;  // in the order of first use
    std::unordered_set<std::string> referencedNames_;
};

}  // namespace compiler
