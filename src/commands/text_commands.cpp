// Variable and string commands.
#include "commands/text_commands.h"

#include <climits>
#include <cmath>
#include <cstdio>

#include "core/text.h"

namespace commands {

using interp::textToDouble;
using interp::textToInt;

void linkVar(Context& ctx, Target target, std::span<const std::string_view> values) {
    // Joined in the session's room, which the target's old value replaces for the next join: the
    // values may be views of the target itself.
    interp::SmallText& joined = ctx.session.textRoom;
    size_t length = 0;
    for (std::string_view value : values) length += value.size();
    joined.clear();
    joined.reserve(length);
    for (std::string_view value : values) joined.append(value);
    ctx.vars.exchange(target, joined);
}

namespace {

// The NAN that 0 / 0 gives on this machine; "~" by zero gives the same one, so both print the
// same text.
double zeroByZero() {
    volatile double zero = 0.0;
    return zero / zero;
}

// Truncation toward zero into the 32-bit range (values beyond it saturate).
long long truncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT_MAX;
    if (value <= -2147483648.0) return INT_MIN;
    return static_cast<long long>(value);
}

double remainderOf(double a, double b) {
    long long divisor = truncateToInt32(b);
    if (divisor == 0) return zeroByZero();
    // 64-bit arithmetic keeps INT_MIN ~ -1 from overflowing.
    return static_cast<double>(truncateToInt32(a) % divisor);
}

}  // namespace

Calculation::Calculation(std::string_view first) : accumulator_(textToDouble(first)) {}

void Calculation::apply(char op, std::string_view operand) { apply(op, textToDouble(operand)); }

void Calculation::apply(char op, double b) {
    switch (op) {
        case '+': accumulator_ += b; break;
        case '-': accumulator_ -= b; break;
        case '*': accumulator_ *= b; break;
        case '/': accumulator_ /= b; break;
        case '~': accumulator_ = remainderOf(accumulator_, b); break;
        default: break;
    }
}

namespace {

// A whole number that formatNumber writes with its digits alone: the text reads back as exactly
// this number, so the number can be kept beside it.
bool readsBackExactly(double value) {
    // Within the range, converting to a whole number and back keeps exactly the whole numbers.
    return value > -1e15 && value < 1e15 && static_cast<double>(static_cast<long long>(value)) == value &&
           !(value == 0 && std::signbit(value));
}

}  // namespace

std::string Calculation::result() const { return formatNumber(accumulator_); }

std::string formatNumber(double value) {
    char room[kNumberTextRoom];
    return std::string(formatNumber(value, room));
}

std::string_view formatNumber(double value, char (&room)[kNumberTextRoom]) {
    if (std::isinf(value)) return value < 0 ? "-INF" : "+INF";
    if (std::isnan(value)) return std::signbit(value) ? "-NAN" : "+NAN";
    // Whole numbers print without a fraction; "%lf" would give the same digits and six zeros.
    if (readsBackExactly(value)) {
        static_assert(kNumberTextRoom >= interp::kIntTextRoom);
        return interp::formatInt(static_cast<long long>(value), room);
    }
    int length = std::snprintf(room, kNumberTextRoom, "%lf", value);
    std::string_view text(room, static_cast<size_t>(length));
    size_t end = text.find_last_not_of('0');
    if (text[end] == '.') --end;
    return text.substr(0, end + 1);
}

void calcVar(Context& ctx, Target target, const Calculation& calculation) {
    double value = calculation.value();
    if (readsBackExactly(value)) {
        char digits[interp::kIntTextRoom];
        ctx.vars.assignNumber(target, interp::formatInt(static_cast<long long>(value), digits), value);
        return;
    }
    char room[kNumberTextRoom];
    ctx.vars.assign(target, formatNumber(value, room));
}

void linkVar(Context& ctx, Target target, std::span<const interp::ValueShape> values) {
    // Every part of every value appended in turn, in the session's room: nothing the parts view
    // changes before the target does.
    interp::SmallText& joined = ctx.session.textRoom;
    joined.clear();
    std::string scratch;
    for (const interp::ValueShape& value : values) {
        for (const interp::ValuePart& part : value) {
            joined.append(part.isVariable ? ctx.vars.view(part.variable, scratch) : std::string_view(part.literal));
        }
    }
    ctx.vars.exchange(target, joined);
}

void calcVar(Context& ctx, Target target, std::span<const interp::ValueShape> values, std::string_view operators) {
    std::string scratch;
    Calculation calculation(interp::numberValue(ctx.vars, values[0], scratch));
    for (size_t i = 1; i < values.size(); ++i) {
        calculation.apply(operators[i - 1], interp::numberValue(ctx.vars, values[i], scratch));
    }
    calcVar(ctx, target, calculation);
}

namespace {

// Stores the value with every ASCII letter changed by change; built in the session's room.
template <typename Change>
void storeChanged(Context& ctx, Target target, std::string_view value, Change change) {
    interp::SmallText& room = ctx.session.textRoom;
    room.assign(value);
    char* bytes = room.data();
    for (size_t i = 0; i < room.size(); ++i) bytes[i] = change(bytes[i]);
    ctx.vars.exchange(target, room);
}

}  // namespace

void upVar(Context& ctx, Target target, std::string_view value) {
    storeChanged(ctx, target, value,
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
}

void lowVar(Context& ctx, Target target, std::string_view value) {
    storeChanged(ctx, target, value,
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
}

void trimVar(Context& ctx, Target target, std::string_view value) {
    size_t first = value.find_first_not_of(' ');
    if (first == std::string_view::npos) return ctx.vars.assign(target, {});
    size_t last = value.find_last_not_of(' ');
    ctx.vars.assign(target, value.substr(first, last - first + 1));
}

void getChr(Context& ctx, Target target, std::string_view value) {
    auto code = static_cast<char>(textToInt(value) & 0xFF);
    ctx.vars.assign(target, code == 0 ? std::string_view() : std::string_view(&code, 1));
}

void getLen(Context& ctx, Target target, std::string_view value) {
    char room[interp::kIntTextRoom];
    auto length = static_cast<long long>(value.size());
    ctx.vars.assignNumber(target, interp::formatInt(length, room), static_cast<double>(length));
}

void copyVar(Context& ctx, Target target, std::string_view source, std::string_view start, std::string_view count) {
    long long s = textToInt(start);
    long long c = textToInt(count);
    long long length = static_cast<long long>(source.size());
    if (c < 1) c = 1;
    long long p;
    if (s == -1) {
        // The last c characters; all of them when the source is shorter.
        p = c > length ? 0 : length - c;
    } else if (s < -1) {
        p = 0;
    } else if (s == 0) {
        ctx.vars.assign(target, {});
        return;
    } else {
        p = s - 1;
    }
    ctx.vars.assign(target,
                    p >= length ? std::string_view() : source.substr(static_cast<size_t>(p), static_cast<size_t>(c)));
}

void getPos(Context& ctx, Target target, std::string_view text, std::string_view pattern) {
    size_t found = text.empty() ? std::string_view::npos : text.find(pattern);
    long long position = found == std::string_view::npos ? 0 : static_cast<long long>(found) + 1;
    char room[interp::kIntTextRoom];
    ctx.vars.assignNumber(target, interp::formatInt(position, room), static_cast<double>(position));
}

}  // namespace commands
