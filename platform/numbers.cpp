#include "platform/numbers.h"

#include "platform/errors.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <system_error>

namespace platform {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

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

constexpr uint64_t kPow10[20] = {
    1ULL,
    10ULL,
    100ULL,
    1000ULL,
    10000ULL,
    100000ULL,
    1000000ULL,
    10000000ULL,
    100000000ULL,
    1000000000ULL,
    10000000000ULL,
    100000000000ULL,
    1000000000000ULL,
    10000000000000ULL,
    100000000000000ULL,
    1000000000000000ULL,
    10000000000000000ULL,
    100000000000000000ULL,
    1000000000000000000ULL,
    10000000000000000000ULL,
};

// 10^k for k = kLowestPower to 16, the nearest doubles (exact from 10^0 on).
constexpr int kLowestPower = -6;
constexpr double kPowersOfTen[] = {1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1,
                                   1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                   1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};

// 10^k for k = 0 to 18, exact.
constexpr double kDoublePow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                   1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

// 10^-k for k = 0 to 15, the nearest doubles.
constexpr double kInversePowersOfTen[] = {1e0,  1e-1, 1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                          1e-8, 1e-9, 1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15};

// 128 bits hold the exact products of the fast path.
__extension__ using Uint128 = unsigned __int128;

// x / 2^shift rounded to nearest, ties to even, as the decimal conversion rounds.
Uint128 ShiftRoundHalfEven(Uint128 x, int shift) {
    if (shift == 0) {
        return x;
    }
    const Uint128 q = x >> shift;
    const Uint128 rest = x - (q << shift);
    const Uint128 half = static_cast<Uint128>(1) << (shift - 1);
    return rest > half || (rest == half && (q & 1) != 0) ? q + 1 : q;
}

// The value times 10^maxDec, rounded as the general path of FloatFormat rounds it: first to 15
// significant digits, ties to even on the exact binary value (as to_chars does), then half away
// from zero to maxDec decimals. Exact integer arithmetic: v = m / 2^shift, and m · 10^scale fits
// 128 bits for 1e-5 <= v < 1e15, the values the patterns meet in practice. False outside that
// range or when the result would not fit 64 bits.
bool ScaledToDecimals(double v, int maxDec, uint64_t& scaled) {
    if (!(v >= 1e-5 && v < 1e15)) {
        return false;
    }
    const auto bits = std::bit_cast<uint64_t>(v);
    const int biased = static_cast<int>(bits >> 52);  // v is positive and normal here
    const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const int shift = 1075 - biased;
    // e (10^e <= v < 10^(e+1)) from floor(log2 v) times log10(2), which may be one short, and a
    // comparison with the power of ten above; the loop corrects what is left (the negative powers
    // are not exact) and moves a rounding up to 10^15 into the next decade.
    int e = ((biased - 1023) * 78913) >> 18;
    e += v >= kPowersOfTen[e + 1 - kLowestPower] ? 1 : 0;
    uint64_t digits15 = 0;
    for (int tries = 0;; ++tries) {
        const int scale = 14 - e;
        if (tries == 4 || scale < 0 || scale > 19) {
            return false;
        }
        const Uint128 n = ShiftRoundHalfEven(static_cast<Uint128>(m) * kPow10[scale], shift);
        if (n >= kPow10[15]) {
            ++e;
        } else if (n < kPow10[14]) {
            --e;
        } else {
            digits15 = static_cast<uint64_t>(n);
            break;
        }
    }
    // digits15 · 10^(e - 14) is the value to 15 digits; keep of them stay.
    const int keep = e + 1 + maxDec;
    if (keep < 0) {
        scaled = 0;
    } else if (keep >= 15) {
        if (keep > 19) {
            return false;
        }
        scaled = digits15 * kPow10[keep - 15];
    } else {
        // The quotient by a multiplication with the reciprocal, off by at most one below 2^53,
        // and corrected by the remainder.
        const int drop = 15 - keep;
        const auto unit = static_cast<int64_t>(kPow10[drop]);
        const auto n = static_cast<int64_t>(digits15);
        int64_t q = static_cast<int64_t>(static_cast<double>(n) * kInversePowersOfTen[drop]);
        int64_t rest = n - q * unit;
        if (rest < 0) {
            --q;
            rest += unit;
        } else if (rest >= unit) {
            ++q;
            rest -= unit;
        }
        scaled = static_cast<uint64_t>(q + (rest >= unit / 2 ? 1 : 0));
    }
    return true;
}

// ScaledToDecimals in one multiplication, where that cannot differ from it. y = v · 10^maxDec
// is off the exact product by half an ulp, and the rounding to 15 digits moves it by at most
// 5e-15 · y; when the fraction of y is farther than that from one half, both round to the same
// integer. False otherwise (about one value in a million) and for y >= 2^50.
bool QuickScaledToDecimals(double v, int maxDec, uint64_t& scaled) {
    const double y = v * kDoublePow10[maxDec];
    if (!(y < 1125899906842624.0)) {
        return false;
    }
    const auto whole = static_cast<int64_t>(y);
    const double fraction = y - static_cast<double>(whole);  // exact below 2^50
    if (!(std::fabs(fraction - 0.5) > y * 5.2e-15)) {
        return false;
    }
    scaled = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

// The text of a value that ScaledToDecimals takes, or of a zero: the fast path of AppendTo.
bool AppendFast(std::string& out, double value, int minInt, int minDec, int maxDec) {
    const double magnitude = std::fabs(value);
    uint64_t scaled = 0;
    // Below 9e-6 the 15 digits start at the sixth decimal or later: nothing is left at four.
    const bool zero = magnitude == 0 || (maxDec <= 4 && magnitude < 9e-6);
    if (maxDec > 18 || minInt > 20) {
        return false;
    }
    if (!zero && !QuickScaledToDecimals(magnitude, maxDec, scaled) &&
        !ScaledToDecimals(magnitude, maxDec, scaled)) {
        return false;
    }
    // The digits of scaled, right to left, two at a time, padded with zeros to the decimals
    // and the pattern's integer digits.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    std::array<char, 48> buffer;
    char* const end = buffer.data() + buffer.size();
    char* p = end;
    uint64_t rest = scaled;
    while (rest >= 100) {
        const char* pair = kPairs + 2 * (rest % 100);
        rest /= 100;
        *--p = pair[1];
        *--p = pair[0];
    }
    if (rest >= 10) {
        *--p = kPairs[2 * rest + 1];
        *--p = kPairs[2 * rest];
    } else if (rest > 0) {
        *--p = static_cast<char>('0' + rest);
    }
    char* const first = end - std::max<ptrdiff_t>(end - p, maxDec + minInt);
    while (p > first) {
        *--p = '0';
    }
    const ptrdiff_t intDigits = (end - p) - maxDec;
    // The decimals the pattern lets go when they are zeros.
    int decimals = maxDec;
    while (decimals > minDec && end[decimals - maxDec - 1] == '0') {
        --decimals;
    }
    const bool sign = value < 0 && scaled != 0;
    const size_t length = (sign ? 1 : 0) + static_cast<size_t>(intDigits) +
                          (decimals > 0 ? static_cast<size_t>(decimals) + 1 : 0);
    const size_t start = out.size();
    out.resize(start + length);
    char* o = out.data() + start;
    if (sign) {
        *o++ = '-';
    }
    o = std::copy(p, p + intDigits, o);
    if (decimals > 0) {
        *o++ = '.';
        std::copy(p + intDigits, p + intDigits + decimals, o);
    }
    return true;
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
    // The common values in integer arithmetic, several times faster than the decimal conversion
    // below and digit for digit the same.
    if (AppendFast(out, value, minInt_, minDec_, maxDec_)) {
        return;
    }
    if (!std::isfinite(value)) {
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    }
    // 15 significant digits: "d.dddddddddddddde[+-]xx".
    std::array<char, 40> sci{};
    const auto res = std::to_chars(sci.data(), sci.data() + sci.size(), value,
                                   std::chars_format::scientific, 14);
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

std::string IntToStr(long long value) {
    return std::to_string(value);
}

}  // namespace platform
