#include "platform/textfile.h"

#include "platform/errors.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;
using Lines = std::vector<std::string>;

TEST(SplitLines, AcceptsEveryLineEnd) {
    struct Case {
        const char* name;
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"empty text has no line", "", {}},
        {"last line without end", "a\r\nb", {"a", "b"}},
        {"one final end adds nothing", "a\r\nb\r\n", {"a", "b"}},
        {"two final ends add an empty line", "a\r\n\r\n", {"a", ""}},
        {"LF only", "a\nb\n", {"a", "b"}},
        {"CR only", "a\rb\rc", {"a", "b", "c"}},
        {"mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"CR CR LF is an empty line", "a\r\r\nb", {"a", "", "b"}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"lone end", "\n", {""}},
        {"blanks stay", " a \t\r\n", {" a \t"}},
        {"high bytes stay", "citt\xe0\r\n", {"citt\xe0"}},
        {"NUL is an ordinary byte", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitLines(c.text), c.lines);
        const auto views = SplitLineViews(c.text);
        EXPECT_EQ(Lines(views.begin(), views.end()), c.lines);
    }
}

TEST(TextFile, ReadsWhatWasWrittenWithCrLf) {
    TempDir dir;
    const std::string path = dir.File("punti.not");
    WriteLines(path, {"S1,100.00,200.00", "", "P1,1,2,3,4,5"});
    EXPECT_EQ(ReadBytes(path), "S1,100.00,200.00\r\n\r\nP1,1,2,3,4,5\r\n");
    EXPECT_EQ(ReadLines(path), (Lines{"S1,100.00,200.00", "", "P1,1,2,3,4,5"}));
    WriteLines(path, {});
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(ReadLines(path), Lines{});
}

TEST(TextFile, MissingFileCannotBeOpened) {
    TempDir dir;
    const std::string path = dir.File("nessuno.not");
    try {
        ReadLines(path);
        FAIL() << "read a missing file";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
        EXPECT_EQ(e.Path(), path);
        EXPECT_EQ(e.FaultKind(), FileError::Kind::CannotOpen);
    }
    EXPECT_THROW(ReadFileBytes(dir.Path()), FileError);  // a folder is no text file
}

TEST(TextFile, ReadsLargeFilesWhole) {
    TempDir dir;
    const std::string path = dir.File("big.txt");
    std::string bytes;
    for (int i = 0; i < 200000; ++i) {
        bytes += "P" + std::to_string(i) + ",1.0,2.0\r\n";
    }
    WriteBytes(path, bytes);
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_EQ(ReadLines(path).size(), 200000u);
}

TEST(AtomicWrite, ReplacesTheFileAndKeepsItsPermissions) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, "old\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    WriteLines(path, {"new"});
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicWrite, WritesThroughASymbolicLink) {
    TempDir dir;
    const std::string target = dir.File("real.txt");
    const std::string link = dir.File("link.txt");
    WriteBytes(target, "old\r\n");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    WriteLines(link, {"new"});
    EXPECT_EQ(ReadBytes(target), "new\r\n");
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

void ExpectCannotCreate(const std::string& path, const std::vector<std::string>& lines) {
    try {
        WriteLines(path, lines);
        ADD_FAILURE() << "the save succeeded";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
        EXPECT_EQ(e.FaultKind(), FileError::Kind::CannotCreate);
    }
}

TEST(AtomicWrite, MissingFolderCannotBeCreated) {
    TempDir dir;
    ExpectCannotCreate(dir.File("no/such/folder/a.txt"), {"x"});
}

TEST(AtomicWrite, FailedSaveIntoReadOnlyFolderLeavesTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root; the disk-full case below covers it";
    }
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, "old\r\n");
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
    ExpectCannotCreate(path, {"new"});
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(ReadBytes(path), "old\r\n");
}

TEST(AtomicWrite, FailedWriteHalfwayLeavesTheOldFileAndNoTemporary) {
    // A file-size limit makes the write fail midway, as a full disk would, for any user.
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, "old\r\n");
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ExpectCannotCreate(path, std::vector<std::string>(100, "a long enough line of text"));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1) << "a temporary file was left behind";
}

}  // namespace
}  // namespace platform
