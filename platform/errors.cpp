#include "platform/errors.h"

namespace platform {

const char* FileError::Prefix(Kind kind) {
    return kind == Kind::CannotOpen ? "Cannot open file " : "Cannot create file ";
}

FileError::FileError(Kind kind, const std::string& path)
    : PlatformError(Prefix(kind) + path), kind_(kind), path_(path) {}

ConversionError::ConversionError(const std::string& text)
    : PlatformError("'" + text + "' is not a valid floating point value"), text_(text) {}

ListIndexError::ListIndexError(long long index)
    : PlatformError("List index out of bounds (" + std::to_string(index) + ")") {}

ArithmeticError::ArithmeticError(Kind kind)
    : PlatformError(kind == Kind::DivisionByZero ? "Floating point division by zero"
                                                 : "Invalid floating point operation"),
      kind_(kind) {}

}  // namespace platform
