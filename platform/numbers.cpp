#include "platform/numbers.h"

#include "platform/errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The strict grammar: [+-] (digits [. digits*] | . digits) [(e|E) [+-] digits].
// Returns the part that std::from_chars must read (without a leading '+'), or an empty view.
std::string_view NumberBody(std::string_view s) {
    size_t i = 0;
    const size_t n = s.size();
    bool plus = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        plus = s[i] == '+';
        ++i;
    }
    size_t intDigits = 0;
    while (i < n && IsDigit(s[i])) {
        ++i;
        ++intDigits;
    }
    size_t fracDigits = 0;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i])) {
            ++i;
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) {
        return {};
    }
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        size_t expDigits = 0;
        while (i < n && IsDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) {
            return {};
        }
    }
    if (i != n) {
        return {};
    }
    return plus ? s.substr(1) : s;
}

}  // namespace

bool TryStrToFloat(std::string_view text, double& value) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && IsBlank(text[b])) {
        ++b;
    }
    while (e > b && IsBlank(text[e - 1])) {
        --e;
    }
    const std::string_view body = NumberBody(text.substr(b, e - b));
    if (body.empty()) {
        return false;
    }
    double v = 0;
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), v);
    if (ec != std::errc() || ptr != body.data() + body.size() || !std::isfinite(v)) {
        return false;
    }
    value = v == 0 ? 0.0 : v;  // "-0" is plain zero
    return true;
}

double StrToFloat(std::string_view text) {
    double v = 0;
    if (!TryStrToFloat(text, v)) {
        throw ConversionError(std::string(text));
    }
    return v;
}

FloatFormat::FloatFormat(std::string_view pattern) {
    const size_t point = pattern.find('.');
    const std::string_view intPart = pattern.substr(0, point);
    const std::string_view decPart =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    bool seenZero = false;
    for (char c : intPart) {
        if (c == '0') {
            seenZero = true;
        } else if (c != '#' || seenZero) {
            throw std::invalid_argument("bad number pattern: " + std::string(pattern));
        }
        minInt_ += c == '0' ? 1 : 0;
    }
    for (size_t i = 0; i < decPart.size(); ++i) {
        if (decPart[i] == '0') {
            minDec_ = static_cast<int>(i) + 1;
        } else if (decPart[i] != '#') {
            throw std::invalid_argument("bad number pattern: " + std::string(pattern));
        }
    }
    maxDec_ = static_cast<int>(decPart.size());
}

void FloatFormat::AppendTo(std::string& out, double value) const {
    if (!std::isfinite(value)) {
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    }
    // 15 significant digits: "d.dddddddddddddde[+-]xx".
    std::array<char, 40> sci{};
    const auto res =
        std::to_chars(sci.data(), sci.data() + sci.size(), value, std::chars_format::scientific, 14);
    const char* p = sci.data();
    const bool negative = *p == '-';
    if (negative) {
        ++p;
    }
    std::array<char, 16> digits{};
    int nd = 0;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            digits[static_cast<size_t>(nd++)] = *p;
        }
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exponent);

    // pointPos digits stand before the decimal point; keep = digits that survive the rounding.
    int pointPos = exponent + 1;
    int keep = pointPos + maxDec_;
    bool zero = value == 0;
    if (!zero) {
        if (keep < 0) {
            zero = true;
        } else if (keep < nd) {
            const bool up = digits[static_cast<size_t>(keep)] >= '5';
            nd = keep;
            if (up) {
                int i = nd - 1;
                while (i >= 0 && digits[static_cast<size_t>(i)] == '9') {
                    digits[static_cast<size_t>(i--)] = '0';
                }
                if (i >= 0) {
                    ++digits[static_cast<size_t>(i)];
                } else {
                    // 9.99 -> 10.0: a new leading 1, every kept digit now 0.
                    digits[0] = '1';
                    nd = 1;
                    ++pointPos;
                }
            }
        }
        // Drop trailing zero digits; an empty digit string is a zero.
        while (nd > 0 && digits[static_cast<size_t>(nd - 1)] == '0') {
            --nd;
        }
        zero = zero || nd == 0;
    }
    if (zero) {
        nd = 0;
        pointPos = 0;
    }
    auto digitAt = [&](int i) { return i >= 0 && i < nd ? digits[static_cast<size_t>(i)] : '0'; };

    if (negative && !zero) {
        out.push_back('-');
    }
    const int intDigits = std::max(pointPos, 0);
    for (int i = intDigits; i < minInt_; ++i) {
        out.push_back('0');
    }
    for (int i = 0; i < intDigits; ++i) {
        out.push_back(digitAt(i));
    }
    // Decimals: all significant ones up to maxDec_, at least minDec_.
    int decimals = maxDec_;
    while (decimals > minDec_ && digitAt(pointPos + decimals - 1) == '0') {
        --decimals;
    }
    if (decimals > 0) {
        out.push_back('.');
        for (int i = 0; i < decimals; ++i) {
            out.push_back(digitAt(pointPos + i));
        }
    }
}

std::string FloatFormat::operator()(double value) const {
    std::string s;
    AppendTo(s, value);
    return s;
}

std::string FormatFloat(std::string_view pattern, double value) {
    return FloatFormat(pattern)(value);
}

std::string IntToStr(long long value) { return std::to_string(value); }

}  // namespace platform
