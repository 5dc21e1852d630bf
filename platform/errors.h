#pragma once

// The error hierarchy of the whole system.
//
// A UserMessage is one of the programs' own modal messages ("Inserisci i dati per il calcolo!!"):
// the handler that raises it shows the text and stops. A PlatformError carries the text of the
// underlying facility (files, number conversion, list indices, floating-point arithmetic) and is
// shown in the standard error box. Core code throws; only the window shells and the command-line
// tools catch.

#include <stdexcept>
#include <string>
#include <utility>

namespace platform {

// Base of every error the system raises on purpose. what() is the text shown to the user,
// in the single-byte code page of the files.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A message of the program itself. Title and icon matter only to the window that shows it;
// an empty title means the application's own title.
class UserMessage : public Error {
  public:
    enum class Icon { Information, Exclamation, Critical };

    explicit UserMessage(const std::string& text, std::string title = {},
                         Icon icon = Icon::Information)
        : Error(text), title_(std::move(title)), icon_(icon) {}

    const std::string& Title() const { return title_; }
    Icon MessageIcon() const { return icon_; }

  private:
    std::string title_;
    Icon icon_;
};

// An error of the platform: shown in the standard error box with its own text.
class PlatformError : public Error {
  public:
    using Error::Error;
};

// "Cannot open file %s", "Cannot create file %s". The path is kept apart from the text so that a
// window can show a file-system name in its own encoding.
class FileError : public PlatformError {
  public:
    enum class Kind { CannotOpen, CannotCreate };
    FileError(Kind kind, const std::string& path);

    Kind FaultKind() const { return kind_; }
    const std::string& Path() const { return path_; }
    // The message without the path: "Cannot open file " or "Cannot create file ".
    static const char* Prefix(Kind kind);

  private:
    Kind kind_;
    std::string path_;
};

// "'%s' is not a valid floating point value".
class ConversionError : public PlatformError {
  public:
    explicit ConversionError(const std::string& text);
    // The text that failed to convert.
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// "List index out of bounds (%d)".
class ListIndexError : public PlatformError {
  public:
    explicit ListIndexError(long long index);
};

// A floating-point division by zero or an invalid operation (the root or the arcsine of a value
// out of range, 0/0, a non-finite result).
class ArithmeticError : public PlatformError {
  public:
    enum class Kind { DivisionByZero, InvalidOperation };
    explicit ArithmeticError(Kind kind);
    Kind FaultKind() const { return kind_; }

  private:
    Kind kind_;
};

}  // namespace platform
