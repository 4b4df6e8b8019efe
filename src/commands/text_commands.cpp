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
    size_t length = 0;
    for (std::string_view value : values) length += value.size();
    std::string joined;
    joined.reserve(length);
    for (std::string_view value : values) joined += value;
    ctx.vars.set(target, std::move(joined));
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

void Calculation::apply(char op, std::string_view operand) {
    double b = textToDouble(operand);
    switch (op) {
        case '+': accumulator_ += b; break;
        case '-': accumulator_ -= b; break;
        case '*': accumulator_ *= b; break;
        case '/': accumulator_ /= b; break;
        case '~': accumulator_ = remainderOf(accumulator_, b); break;
        default: break;
    }
}

std::string Calculation::result() const { return formatNumber(accumulator_); }

std::string formatNumber(double value) {
    if (std::isinf(value)) return value < 0 ? "-INF" : "+INF";
    if (std::isnan(value)) return std::signbit(value) ? "-NAN" : "+NAN";
    // Whole numbers print without a fraction; "%lf" would give the same digits and six zeros.
    if (value == std::trunc(value) && std::fabs(value) < 1e15 && !(value == 0 && std::signbit(value))) {
        return interp::intToText(static_cast<long long>(value));
    }
    char text[400];  // "%lf" of the largest double has 309 digits before the point
    std::snprintf(text, sizeof text, "%lf", value);
    std::string result(text);
    size_t end = result.find_last_not_of('0');
    if (result[end] == '.') --end;
    result.erase(end + 1);
    return result;
}

void calcVar(Context& ctx, Target target, const Calculation& calculation) {
    ctx.vars.set(target, calculation.result());
}

void linkVar(Context& ctx, Target target, std::span<const interp::ValueShape> values) {
    Session& session = ctx.session;
    if (session.linkScratch.size() < values.size()) session.linkScratch.resize(values.size());
    session.linkViews.clear();
    for (size_t i = 0; i < values.size(); ++i) {
        session.linkViews.push_back(interp::viewValue(ctx.vars, values[i], session.linkScratch[i]));
    }
    linkVar(ctx, target, session.linkViews);
}

void calcVar(Context& ctx, Target target, std::span<const interp::ValueShape> values, std::string_view operators) {
    std::string scratch;
    Calculation calculation(interp::viewValue(ctx.vars, values[0], scratch));
    for (size_t i = 1; i < values.size(); ++i) {
        calculation.apply(operators[i - 1], interp::viewValue(ctx.vars, values[i], scratch));
    }
    calcVar(ctx, target, calculation);
}

void upVar(Context& ctx, Target target, const std::string& value) { ctx.vars.set(target, interp::upperCase(value)); }

void lowVar(Context& ctx, Target target, const std::string& value) { ctx.vars.set(target, interp::lowerCase(value)); }

void trimVar(Context& ctx, Target target, const std::string& value) { ctx.vars.set(target, interp::trimBlanks(value)); }

void getChr(Context& ctx, Target target, const std::string& value) {
    auto code = static_cast<unsigned char>(textToInt(value) & 0xFF);
    ctx.vars.set(target, code == 0 ? std::string() : std::string(1, static_cast<char>(code)));
}

void getLen(Context& ctx, Target target, std::string_view value) {
    ctx.vars.set(target, interp::intToText(static_cast<long long>(value.size())));
}

void copyVar(Context& ctx, Target target, const std::string& source, const std::string& start,
             const std::string& count) {
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
        ctx.vars.set(target, std::string());
        return;
    } else {
        p = s - 1;
    }
    ctx.vars.set(target, p >= length ? std::string() : source.substr(static_cast<size_t>(p), static_cast<size_t>(c)));
}

void getPos(Context& ctx, Target target, const std::string& text, const std::string& pattern) {
    size_t found = text.empty() ? std::string::npos : text.find(pattern);
    ctx.vars.set(target, found == std::string::npos ? "0" : interp::intToText(static_cast<long long>(found) + 1));
}

}  // namespace commands
