#include "tools/ortix_cli/cli_common.h"

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/textfile.h"

#include <cstdio>
#include <filesystem>

namespace ortix::cli {

std::string ErrorTextUtf8(const std::exception& error) {
    if (const auto* fileError = dynamic_cast<const platform::FileError*>(&error)) {
        return platform::Cp1252ToUtf8(platform::FileError::Prefix(fileError->FaultKind())) +
               fileError->Path();
    }
    if (dynamic_cast<const platform::Error*>(&error) != nullptr) {
        return platform::Cp1252ToUtf8(error.what());
    }
    return error.what();
}

void PrintFileError(std::string_view fileName, const std::exception& error) {
    const std::string line = std::string(kProgramName) + ": " + std::string(fileName) + ": " +
                             ErrorTextUtf8(error) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

int PrintUsageError(const UsageError& error) {
    const std::string line = std::string(kProgramName) + ": " + error.what() + "\nProva '" +
                             std::string(kProgramName) + " --help' per l'uso.\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    return kExitUsage;
}

std::string ReadFileBytes(const std::string& path) {
    return platform::ReadFileBytes(path);
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
    platform::WriteFileAtomic(path, bytes);
}

void WriteStdout(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        throw CommandError("impossibile scrivere sullo standard output");
    }
}

void PrintText(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

std::string OutputPathInFolder(const std::string& folder, const std::string& inputPath,
                               std::string_view extension) {
    const std::filesystem::path stem = std::filesystem::path(inputPath).stem();
    return (std::filesystem::path(folder) / stem).string() + std::string(extension);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace ortix::cli
