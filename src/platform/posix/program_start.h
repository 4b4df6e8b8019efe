// Finding programs along PATH and starting them without waiting, shared by the programs
// (SHELL, CALL) and the document opener of the terminal front end.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform::posix {

// Splits a command line into words the way Windows programs do: blanks and tabs separate words,
// double quotes group words (a pair of quotes inside quotes, or a quote after an odd number of
// backslashes, stands for a quote), and backslashes are literal unless a quote follows them.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// The executable file a program name stands for: a name with a "/" as it is, any other name
// looked up in the directories of the PATH variable of the process environment at the time of
// the call (an empty entry is the working directory). nullopt when there is no such executable.
std::optional<std::string> findProgram(const std::string& name);

// Starts the program with these arguments (the first is its name) without waiting and without a
// shell. The started program is not a child of ours (it is started from a short-lived
// intermediate process), so it never has to be waited for and leaves no zombie. 0 when it was
// started, else the errno value that kept it from starting.
int startDetached(const std::string& path, const std::vector<std::string>& arguments);

}  // namespace platform::posix
