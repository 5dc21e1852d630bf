#pragma once

// A fresh temporary folder for one test, removed with everything in it at the end.

#include <string>
#include <string_view>

namespace testsupport {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "/" + name.
    std::string File(std::string_view name) const;

  private:
    std::string path_;
};

// Writes the bytes to the file exactly (no line-end conversion); fails the test on error.
void WriteBytes(const std::string& path, std::string_view bytes);
// The file's bytes, or an empty string when it does not exist.
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

// The folder of real instrument files, or empty when it is absent (tests then skip).
std::string RealFixturesDir();

}  // namespace testsupport
