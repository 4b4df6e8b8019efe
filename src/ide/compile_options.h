// The compile dialog TChooseIcon: its three check boxes, the icon path and the options line.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ide {

// Shows the icon dialog OpenIcon, starting at the icon chosen last (empty at first); the chosen
// file, or nothing when cancelled.
using ChooseIcon = std::function<std::optional<std::string>(const std::string& chosenLast)>;

// The dialog's state lives as long as the editor, so choices stay between compilations. After
// each click the front end shows the three boxes and the line as they are here: a click may
// tick or clear another box.
class CompileOptions {
  public:
    bool autoLink() const { return autoLink_; }          // CheckBox1 "Automatic linking"
    bool runAfterHalt() const { return runAfterHalt_; }  // CheckBox2 "Run after compiler halt"
    bool linkIcon() const { return linkIcon_; }          // CheckBox3 "Link icon"
    const std::string& iconPath() const { return iconPath_; }
    const std::string& line() const { return line_; }  // COptions: the options as the dialog shows them
    std::vector<std::string> arguments() const;        // the same options as velcomp's arguments

    void setAutoLink(bool ticked);      // CheckBox1Click
    void setRunAfterHalt(bool ticked);  // CheckBox2Click: linking is needed to run the program
    // CheckBox3Click: ticking asks for the icon; cancelling clears the box again.
    void setLinkIcon(bool ticked, const ChooseIcon& chooseIcon);

  private:
    void rebuild();

    bool autoLink_ = true;
    bool runAfterHalt_ = false;
    bool linkIcon_ = false;
    std::string iconPath_;  // the icon chosen last
    std::string line_ = "/L";
};

}  // namespace ide
