#include "sarvo/number_text.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace sarvo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal exponent of the first significant digit of a mantissa text: "120.5" -> 2,
// "-0.0012" -> -3, "0" -> 0.
long long LeadingExponent(std::string_view mantissa) {
    const size_t point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    const size_t firstInteger = integer.find_first_of("123456789");
    if (firstInteger != std::string_view::npos) {
        return static_cast<long long>(integer.size() - firstInteger) - 1;
    }
    if (point == std::string_view::npos) {
        return 0;
    }
    const size_t firstDecimal = mantissa.find_first_of("123456789", point + 1);
    return firstDecimal == std::string_view::npos ? 0
                                                  : -static_cast<long long>(firstDecimal - point);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool IsNumericText(std::string_view text) {
    double value = 0;
    return platform::TryStrToFloat(TrimBlanks(text), value);
}

double LeadingNumber(std::string_view text) {
    // The characters of the number, without the blanks between them, as std::from_chars reads
    // them: "[-]digits[.digits][e[+-]digits]".
    std::string number;
    size_t i = 0;
    const size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) {
            ++i;
        }
    };
    auto readDigits = [&] {
        size_t count = 0;
        for (skipBlanks(); i < n && IsDigit(text[i]); skipBlanks()) {
            number.push_back(text[i++]);
            ++count;
        }
        return count;
    };

    skipBlanks();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            number.push_back('-');
        }
        ++i;
    }
    size_t digits = readDigits();
    if (i < n && text[i] == '.') {
        number.push_back('.');
        ++i;
        digits += readDigits();
    }
    if (digits == 0) {
        return 0;
    }
    const size_t mantissaLength = number.size();
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        number.push_back('e');
        ++i;
        skipBlanks();
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            number.push_back(text[i++]);
        }
        const size_t exponentStart = number.size();
        if (readDigits() == 0) {
            number.resize(mantissaLength);  // "1e" or "1e+" reads as 1
        } else {
            for (size_t k = exponentStart; k < number.size() && exponent < 100000; ++k) {
                exponent = exponent * 10 + (number[k] - '0');
            }
            exponent = negativeExponent ? -exponent : exponent;
        }
    }

    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const bool negative = number.front() == '-';
        if (LeadingExponent(std::string_view(number).substr(0, mantissaLength)) + exponent > 0) {
            return negative ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
        }
        return 0;
    }
    return value == 0 ? 0.0 : value;
}

std::string GeneralNumberText(double value) {
    if (!std::isfinite(value)) {
        throw platform::ArithmeticError(platform::ArithmeticError::Kind::InvalidOperation);
    }
    if (value == 0) {
        return " 0";
    }
    // 15 significant digits, correctly rounded: "-d.dddddddddddddde+XX".
    std::array<char, 40> sci{};
    const auto res = std::to_chars(sci.data(), sci.data() + sci.size(), value,
                                   std::chars_format::scientific, 14);
    const std::string_view text(sci.data(), static_cast<size_t>(res.ptr - sci.data()));
    const bool negative = text.front() == '-';
    const size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string out(negative ? "-" : " ");
    if (exponent < -4 || exponent >= 15) {
        out += digits.front();
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            out += '0';
        }
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto integerDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits;
            out.append(integerDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, integerDigits);
            out += '.';
            out.append(digits, integerDigits);
        }
    }
    return out;
}

}  // namespace sarvo
