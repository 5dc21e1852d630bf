#include "ortix/survey/myutil.h"

#include <stdexcept>

namespace ortix {
namespace {

// How many copies of the fill bring the text to at least width characters.
size_t FillCount(std::string_view text, int width, std::string_view fill) {
    if (fill.empty()) {
        throw std::invalid_argument("PadLeft/PadRight: empty fill");
    }
    if (width <= 0 || text.size() >= static_cast<size_t>(width)) {
        return 0;
    }
    const size_t missing = static_cast<size_t>(width) - text.size();
    return (missing + fill.size() - 1) / fill.size();
}

}  // namespace

std::string_view TakeField(std::string_view& line, std::string_view delimiter) {
    const size_t p = delimiter.empty() ? std::string_view::npos : line.find(delimiter);
    if (p == std::string_view::npos) {
        return line;
    }
    const std::string_view field = line.substr(0, p);
    line.remove_prefix(p + delimiter.size());
    return field;
}

std::string TakeField(std::string& line, std::string_view delimiter) {
    const size_t p = delimiter.empty() ? std::string::npos : line.find(delimiter);
    if (p == std::string::npos) {
        return line;
    }
    std::string field = line.substr(0, p);
    line.erase(0, p + delimiter.size());
    return field;
}

std::string PadRight(std::string_view text, int width, std::string_view fill) {
    const size_t n = FillCount(text, width, fill);
    std::string out;
    out.reserve(text.size() + n * fill.size());
    out.append(text);
    for (size_t i = 0; i < n; ++i) {
        out.append(fill);
    }
    return out;
}

std::string PadLeft(std::string_view text, int width, std::string_view fill) {
    const size_t n = FillCount(text, width, fill);
    std::string out;
    out.reserve(text.size() + n * fill.size());
    for (size_t i = 0; i < n; ++i) {
        out.append(fill);
    }
    out.append(text);
    return out;
}

}  // namespace ortix
