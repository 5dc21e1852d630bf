// Runs the built sarvo-cli as a user's script would.

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun SarvoCli(const std::vector<std::string>& args) {
    testsupport::TempDir dir;
    const std::string outPath = dir.File("out");
    const std::string errPath = dir.File("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::string program = SARVO_CLI;
    std::vector<char*> argv{program.data()};
    std::vector<std::string> copies = args;
    for (std::string& a : copies) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    CliRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), nullptr) != 0) {
        ADD_FAILURE() << "cannot start " << program;
        posix_spawn_file_actions_destroy(&actions);
        return run;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = testsupport::ReadBytes(outPath);
    run.err = testsupport::ReadBytes(errPath);
    return run;
}

TEST(SarvoCli, PrintsTheBoxesThenTheResults) {
    const CliRun run = SarvoCli({"3", "4", "", "", "", "100"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "3\n4\n 5\n 40.9665529398267\n 59.0334470601733\n 100\n"
              "Area = 6.000\n"
              "Base1 = 3.000 Altezza1 = 4.000\n"
              "Base2 = 4.000 Altezza2 = 3.000\n"
              "Base3 = 5.000 Altezza3 = 2.400\n"
              "Raggio Cerchio Inscritto = 1.000\n"
              "Raggio Cerchio Circoscritto = 2.500\n");
}

TEST(SarvoCli, StopsWithTheMessageOrSilentlyOrOnUsage) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* err;
    };
    const Row rows[] = {
        {"sides that do not close",
         {"2", "3", "5", "", "", ""},
         1,
         "Un lato \xc3\xa8 Maggiore della somma degli altri 2!\n"},
        {"two triangles or none", {"4", "5", "", "60", "", ""}, 1, "Doppia Soluzione\n"},
        {"too few elements", {"3", "4", "", "", "", ""}, 1, "Numero di elementi insufficienti!\n"},
        {"all sides 0", {"0", "0", "0", "50", "60", "90"}, 1, ""},
        {"five arguments", {"3", "4", "5", "", ""}, 2, nullptr},
        {"seven arguments", {"3", "4", "5", "", "", "", ""}, 2, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun run = SarvoCli(row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.out, "");
        if (row.err != nullptr) {
            EXPECT_EQ(run.err, row.err);
        } else {
            EXPECT_NE(run.err.find("sarvo-cli"), std::string::npos);
        }
    }
}

}  // namespace
