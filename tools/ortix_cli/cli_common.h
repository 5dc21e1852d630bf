#pragma once

// What every subcommand of ortix-cli shares: exit codes, the command table entry, error
// printing, and reading and writing files byte for byte.
//
// Files hold Windows-1252 bytes and are moved untouched; only the texts printed on the terminal
// are converted to UTF-8. File names are printed as they were given.

#include <exception>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ortix::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // at least one file failed
inline constexpr int kExitUsage = 2;   // the command line is wrong
inline constexpr std::string_view kProgramName = "ortix-cli";

// One subcommand: its name, its Italian usage block for --help (UTF-8), and its body, which
// takes the arguments after the name and returns the exit code.
struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(std::span<const std::string> args);
};

// A wrong command line; the text (UTF-8, Italian) is printed with a hint to --help, exit 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A failure of the tool itself for one file (UTF-8, Italian), such as an output that would
// replace its input.
class CommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The text of an error for the terminal, in UTF-8: the system's messages converted from
// Windows-1252, the path of a file error kept as it was given.
std::string ErrorTextUtf8(const std::exception& error);

// "ortix-cli: FILE: message" on standard error.
void PrintFileError(std::string_view fileName, const std::exception& error);
// "ortix-cli: message" and the hint to --help on standard error; returns kExitUsage.
int PrintUsageError(const UsageError& error);

// Bytes of a file, and bytes written over a file atomically (a failed write leaves the old file
// and no partial one). Throw platform::FileError.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, std::string_view bytes);
// Bytes to standard output, unchanged. Throws CommandError when they cannot be written.
void WriteStdout(std::string_view bytes);
// UTF-8 text to standard output (help texts).
void PrintText(std::string_view utf8);

// folder/base.extension, base being the input's file name without its folder and extension:
// OutputPathInFolder("out", "rilievi/A.not", ".txt") = "out/A.txt".
std::string OutputPathInFolder(const std::string& folder, const std::string& inputPath,
                               std::string_view extension);
// True when both paths name one existing file (a report must never replace its input).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace ortix::cli
