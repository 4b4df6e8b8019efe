// MCI command strings on Linux: the words of the subset the programs understand, read into one
// command, or the error number Windows gives for what is written.
#pragma once

#include <optional>
#include <string>

namespace platform::mci {

// Error numbers of the multimedia control interface: MCIERR_BASE (256) + n, as mmsystem.h
// defines them.
namespace error {
inline constexpr unsigned kUnrecognizedKeyword = 259;    // MCIERR_UNRECOGNIZED_KEYWORD
inline constexpr unsigned kUnrecognizedCommand = 261;    // MCIERR_UNRECOGNIZED_COMMAND
inline constexpr unsigned kInvalidDeviceName = 263;      // MCIERR_INVALID_DEVICE_NAME
inline constexpr unsigned kDeviceOpen = 265;             // MCIERR_DEVICE_OPEN
inline constexpr unsigned kMissingCommandString = 267;   // MCIERR_MISSING_COMMAND_STRING
inline constexpr unsigned kMissingStringArgument = 269;  // MCIERR_MISSING_STRING_ARGUMENT
inline constexpr unsigned kBadInteger = 270;             // MCIERR_BAD_INTEGER
inline constexpr unsigned kMissingParameter = 273;       // MCIERR_MISSING_PARAMETER
inline constexpr unsigned kUnsupportedFunction = 274;    // MCIERR_UNSUPPORTED_FUNCTION
inline constexpr unsigned kFileNotFound = 275;           // MCIERR_FILE_NOT_FOUND
inline constexpr unsigned kCannotUseAll = 279;           // MCIERR_CANNOT_USE_ALL
inline constexpr unsigned kOutOfRange = 282;             // MCIERR_OUTOFRANGE
inline constexpr unsigned kDuplicateAlias = 289;         // MCIERR_DUPLICATE_ALIAS
inline constexpr unsigned kMissingDeviceName = 292;      // MCIERR_MISSING_DEVICE_NAME
inline constexpr unsigned kBadTimeFormat = 293;          // MCIERR_BAD_TIME_FORMAT
inline constexpr unsigned kNoClosingQuote = 294;         // MCIERR_NO_CLOSING_QUOTE
inline constexpr unsigned kDuplicateFlags = 295;         // MCIERR_DUPLICATE_FLAGS
inline constexpr unsigned kInvalidFile = 296;            // MCIERR_INVALID_FILE
inline constexpr unsigned kNotifyOnAutoOpen = 300;       // MCIERR_NOTIFY_ON_AUTO_OPEN
inline constexpr unsigned kWaveOutputsUnsuitable = 326;  // MCIERR_WAVE_OUTPUTSUNSUITABLE
}  // namespace error

enum class Verb { open, play, pause, resume, stop, seek, close, set, status };

// Where seek goes: "to start", "to end" or "to N".
enum class SeekTarget { start, end, position };

struct Command {
    Verb verb = Verb::open;
    std::string device;        // the device name, alias or file, without its quotes
    std::string type;          // open: the word after "type", empty without
    std::string alias;         // open: the word after "alias", empty without
    std::optional<long> from;  // play: "from N"
    std::optional<long> to;    // play: "to N"; seek: "to N"
    SeekTarget seekTarget = SeekTarget::start;
    bool wait = false;    // "wait": the command returns when it has finished
    bool notify = false;  // "notify": accepted; there is no window to notify
};

// The command, or the error number (never 0) when the text is not one the subset understands.
struct Parsed {
    unsigned error = 0;
    Command command;
};

// Device names and aliases are the same in any case, as on Windows.
bool sameName(const std::string& one, const std::string& other);

// Reads a command string: words separated by blanks, a word in double quotes may hold blanks;
// the command and its keywords in any case.
Parsed parseCommand(const std::string& text);

}  // namespace platform::mci
