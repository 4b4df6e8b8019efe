// Variable and string commands: each computes a text from its operands and stores it in the
// target variable. None of them touches errorcode.
//
// Operands are views, of literals or of variables' values, and results are written into the room
// the target already has (or built in room the session keeps and exchanged with the target's), so
// a command allocates nothing once the texts it works on have been seen. A target may be one of
// its own operands: every result is complete before the target changes, or is copied in a way
// that allows the overlap.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "commands/context.h"
#include "core/value_shape.h"

namespace commands {

// LINKVAR: the values joined in order.
void linkVar(Context& ctx, Target target, std::span<const std::string_view> values);

// CALCVAR: left to right, no precedence. Feed the first value, then each operator and value.
class Calculation {
  public:
    explicit Calculation(std::string_view first);
    explicit Calculation(double first) : accumulator_(first) {}
    // op is one of + - * / ~ (remainder of the integer division, with the sign of the left side).
    void apply(char op, std::string_view operand);
    // The same with the number the operand reads as.
    void apply(char op, double operand);
    // "%lf" without trailing zeros; infinities and NANs as "+INF", "-INF", "+NAN", "-NAN".
    std::string result() const;
    double value() const { return accumulator_; }

  private:
    double accumulator_;
};
void calcVar(Context& ctx, Target target, const Calculation& calculation);

// LINKVAR and CALCVAR with their values as read, evaluated here: the interpreter (from the
// script) and compiled programs (from code operands) both call these. LINKVAR views each value
// without copying it where it can, in room the session keeps for the next LINKVAR.
void linkVar(Context& ctx, Target target, std::span<const interp::ValueShape> values);
void calcVar(Context& ctx, Target target, std::span<const interp::ValueShape> values, std::string_view operators);

// Formats a CALCVAR result.
std::string formatNumber(double value);
// The same into room, which "%lf" of the largest double fits; the view is of room.
inline constexpr size_t kNumberTextRoom = 400;
std::string_view formatNumber(double value, char (&room)[kNumberTextRoom]);

void upVar(Context& ctx, Target target, std::string_view value);
void lowVar(Context& ctx, Target target, std::string_view value);
void trimVar(Context& ctx, Target target, std::string_view value);
// The character whose code is the value modulo 256; code 0 gives the empty text.
void getChr(Context& ctx, Target target, std::string_view value);
void getLen(Context& ctx, Target target, std::string_view value);
// count characters from the 1-based start; start -1 takes the last count characters.
void copyVar(Context& ctx, Target target, std::string_view source, std::string_view start, std::string_view count);
// The 1-based position of the first occurrence of pattern in text, "0" when there is none.
void getPos(Context& ctx, Target target, std::string_view text, std::string_view pattern);

}  // namespace commands
