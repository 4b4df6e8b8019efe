// The intermediate code: opcodes and the fixed texts of a code stream.
//
// The compiler writes these and the runtime reads them; both use this one table.
#pragma once

#include <optional>
#include <string_view>

#include "core/product.h"

namespace compiler {

// X(opcode) in the order of their numbers.
#define VELMISH_OPCODES(X) \
    X(RRLR)                \
    X(RLBL)                \
    X(R000)                \
    X(R001)                \
    X(R004)                \
    X(R005)                \
    X(R006)                \
    X(R0IF)                \
    X(RXIF)                \
    X(RXIE)                \
    X(RXEL)                \
    X(RXEI)                \
    X(RRPT)                \
    X(RUNT)                \
    X(R007)                \
    X(R008)                \
    X(R009)                \
    X(R010)                \
    X(R011)                \
    X(R012)                \
    X(R013)                \
    X(R014)                \
    X(R015)                \
    X(R016)                \
    X(R017)                \
    X(R018)                \
    X(R019)                \
    X(R020)                \
    X(R021)                \
    X(R022)                \
    X(R023)                \
    X(R024)                \
    X(R025)                \
    X(R026)                \
    X(R027)                \
    X(R028)                \
    X(R029)                \
    X(R030)                \
    X(R031)                \
    X(R032)                \
    X(R033)                \
    X(R034)                \
    X(R035)                \
    X(R036)                \
    X(R037)                \
    X(R038)                \
    X(R039)                \
    X(R040)                \
    X(RF00)                \
    X(RF01)                \
    X(RF02)                \
    X(RF03)                \
    X(RF04)                \
    X(RF05)                \
    X(RF06)                \
    X(RF07)                \
    X(RF08)

enum class Opcode {
#define VELMISH_OPCODE_ENUM(code) code,
    VELMISH_OPCODES(VELMISH_OPCODE_ENUM)
#undef VELMISH_OPCODE_ENUM
};

// The opcode spelled by the first four bytes of a code line; nullopt for a shorter line or an
// unknown opcode.
std::optional<Opcode> opcodeOf(std::string_view codeLine);

std::string_view opcodeText(Opcode opcode);

// Every code line ends with this byte; no code line holds it otherwise.
inline constexpr char kLineTerminator = '\x01';
// The header line: the code format carries the language version.
inline constexpr std::string_view kHeaderLine = "RRLR'" VELMISH_LANGUAGE_VERSION "'";
inline constexpr std::string_view kEndMarker = "R009";

}  // namespace compiler
