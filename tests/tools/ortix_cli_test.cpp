// ortix-cli run as a program: exit codes, standard output and error, the files it writes.

#include "platform/textfile.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs ortix-cli with the arguments, standard output and error into files of the folder.
CliRun RunCli(const testsupport::TempDir& dir, const std::vector<std::string>& args) {
    const std::string outPath = dir.File(".stdout");
    const std::string errPath = dir.File(".stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<std::string> all = {ORTIX_CLI_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    CliRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, ORTIX_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = testsupport::ReadBytes(outPath);
    run.err = testsupport::ReadBytes(errPath);
    return run;
}

std::string DataFile(const std::string& name) {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("/tools/")) + "/data/" + name;
}

const std::string kGoodFile = DataFile("not/stazione_mista.not");
const std::string kGoodReport = DataFile("adjustment_report/stazione_mista.txt");
// Two known points only: the adjustment refuses to start.
const std::string kTooFew = "S,0,0\r\nA,100,0,10,0,0\r\nB,0,100,110,0,0\r\n";

TEST(OrtixCliAdjust, OneFileToStandardOutput) {
    testsupport::TempDir dir;
    const CliRun run = RunCli(dir, {"adjust", kGoodFile});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, platform::ReadFileBytes(kGoodReport));
    EXPECT_EQ(run.err, "");
}

TEST(OrtixCliAdjust, OneFileToAReport) {
    testsupport::TempDir dir;
    const std::string report = dir.File("rapporto.txt");
    const CliRun run = RunCli(dir, {"adjust", "-o", report, kGoodFile});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(testsupport::ReadBytes(report), platform::ReadFileBytes(kGoodReport));
    EXPECT_EQ(run.out + run.err, "");
}

TEST(OrtixCliAdjust, AFailingFileWritesNoReport) {
    testsupport::TempDir dir;
    const std::string tooFew = dir.File("pochi.not");
    testsupport::WriteBytes(tooFew, kTooFew);
    // Directions to points in line with the station: the message holds an 'è' of the code page.
    const std::string inLine = dir.File("allineati.not");
    testsupport::WriteBytes(inLine,
                            "S,0,0\r\nA,100,100,50,0,0\r\nB,200,200,50.001,0,0\r\n"
                            "C,-100,-100,250,0,0\r\nD,-300,-300,249.998,0,0\r\n");
    const std::string existing = dir.File("vecchio.txt");
    testsupport::WriteBytes(existing, "rapporto di prima\r\n");
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {"too few points",
         {"adjust", tooFew, "-o", dir.File("nuovo.txt")},
         "ortix-cli: " + tooFew + ": Inserisci i dati per il calcolo!!\n"},
        {"an old report stays as it was",
         {"adjust", tooFew, "-o", existing},
         "ortix-cli: " + tooFew + ": Inserisci i dati per il calcolo!!\n"},
        {"message in UTF-8",
         {"adjust", inLine, "-o", dir.File("nuovo.txt")},
         "ortix-cli: " + inLine +
             ": Geometria insufficiente: il sistema delle equazioni normali \xC3\xA8 "
             "singolare!!\n"},
        {"missing file",
         {"adjust", dir.File("manca.not")},
         "ortix-cli: " + dir.File("manca.not") + ": Cannot open file " + dir.File("manca.not") +
             "\n"},
        {"the report would replace the input",
         {"adjust", tooFew, "-o", tooFew},
         "ortix-cli: " + tooFew + ": il rapporto " + tooFew +
             " sostituirebbe il file di punti noti\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = RunCli(dir, c.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(testsupport::FileExists(dir.File("nuovo.txt")));
        EXPECT_EQ(testsupport::ReadBytes(existing), "rapporto di prima\r\n");
        EXPECT_EQ(testsupport::ReadBytes(tooFew), kTooFew);
    }
}

TEST(OrtixCliAdjust, ABatchGoesOnPastAFailingFile) {
    testsupport::TempDir dir;
    const std::string a = dir.File("A.not");
    const std::string b = dir.File("B.not");
    const std::string c = dir.File("sub.C.not");
    testsupport::WriteBytes(a, platform::ReadFileBytes(kGoodFile));
    testsupport::WriteBytes(b, kTooFew);
    testsupport::WriteBytes(c, platform::ReadFileBytes(kGoodFile));
    const std::string out = dir.File("rapporti");
    const CliRun run = RunCli(dir, {"adjust", a, b, c, "-d", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "ortix-cli: " + b + ": Inserisci i dati per il calcolo!!\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(testsupport::ReadBytes(out + "/A.txt"), platform::ReadFileBytes(kGoodReport));
    EXPECT_EQ(testsupport::ReadBytes(out + "/sub.C.txt"), platform::ReadFileBytes(kGoodReport));
    EXPECT_FALSE(testsupport::FileExists(out + "/B.txt"));

    const CliRun good = RunCli(dir, {"adjust", "-d", out, a, c});
    EXPECT_EQ(good.exitCode, 0);
}

TEST(OrtixCli, UsageErrorsExitTwo) {
    testsupport::TempDir dir;
    const struct {
        const char* name;
        std::vector<std::string> args;
    } cases[] = {
        {"no command", {}},
        {"unknown command", {"compensa", kGoodFile}},
        {"no file", {"adjust"}},
        {"-o and -d", {"adjust", kGoodFile, "-o", dir.File("r.txt"), "-d", dir.Path()}},
        {"two files without -d", {"adjust", kGoodFile, kGoodFile}},
        {"-o without a name", {"adjust", kGoodFile, "-o"}},
        {"-o twice", {"adjust", kGoodFile, "-o", dir.File("r.txt"), "-o", dir.File("s.txt")}},
        {"unknown option", {"adjust", "-x", kGoodFile}},
        {"two files, one report name",
         {"adjust", kGoodFile, DataFile("stazione_mista.not"), "-d", dir.Path()}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = RunCli(dir, c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("ortix-cli --help"), std::string::npos) << run.err;
        EXPECT_FALSE(testsupport::FileExists(dir.File("r.txt")));
        EXPECT_FALSE(testsupport::FileExists(dir.File("stazione_mista.txt")));
    }
}

TEST(OrtixCli, HelpInItalian) {
    testsupport::TempDir dir;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"adjust", "--help"}}) {
        const CliRun run = RunCli(dir, args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_NE(run.out.find("Uso:"), std::string::npos);
        EXPECT_NE(run.out.find("adjust FILE.not [-o RAPPORTO.txt]"), std::string::npos);
        EXPECT_EQ(run.err, "");
    }
    EXPECT_NE(RunCli(dir, {"--help"}).out.find("Codici di uscita"), std::string::npos);
}

}  // namespace

namespace {

std::string Field16(const std::string& s) {
    return std::string(16 - s.size(), ' ') + s;
}

// An SDR33 field book of station S: readings to A, B and C of a station at (0, 0) oriented
// with z = 0, and to a detail point D that has no coordinates.
std::string FieldBook() {
    auto reading = [](const std::string& target, const std::string& dist, const std::string& hz) {
        return "09F1" + Field16("S") + Field16(target) + Field16(dist) + Field16("100.0000") +
               Field16(hz) + "\r\n";
    };
    return "00NMSDR33 V04-04.34    11-Dic-26 09:12  221111\r\n" +
           reading("A", "100.0000", "0.0010") + reading("B", "100.0020", "100.0000") +
           reading("C", "100.0010", "199.9990") + reading("D", "12.0000", "300.0000");
}

const std::string kCoordinates = "C,0,-100,0,\r\nA,0,100,0,pilastro\r\nB,100,0,0,\r\n";

TEST(OrtixCliPrepare, FieldBookAndCoordinatesGiveAKnownPointsFileThatAdjusts) {
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir.File("s.sdr"), FieldBook());
    testsupport::WriteBytes(dir.File("c.asp"), kCoordinates);
    const std::string out = dir.File("S.not");
    const CliRun run = RunCli(
        dir, {"prepare", "--fieldbook", dir.File("s.sdr"), "--coordinates", dir.File("c.asp"),
              "--station", "S", "--north", "0.3", "--east", "-0.2", "-o", out});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("1 letture senza coordinate"), std::string::npos) << run.err;
    // In the order of the coordinates, east after north, exterior bearing "0.00".
    EXPECT_EQ(testsupport::ReadBytes(out),
              "S,0.3,-0.2\r\n"
              "C,-100,0,199.9990,0.00,100.001\r\n"
              "A,100,0,0.0010,0.00,100.000\r\n"
              "B,0,100,100.0000,0.00,100.002\r\n");
    const CliRun adjust = RunCli(dir, {"adjust", out});
    EXPECT_EQ(adjust.exitCode, 0) << adjust.err;
    EXPECT_NE(adjust.out.find("Nome Stazione : S\r\n"), std::string::npos);
}

TEST(OrtixCliPrepare, ProvisionalCoordinatesAreOptionalAndTheFileCanGoToStandardOutput) {
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir.File("s.sdr"), FieldBook());
    testsupport::WriteBytes(dir.File("c.asp"), kCoordinates);
    const CliRun run = RunCli(dir, {"prepare", "--station", "S", "--fieldbook", dir.File("s.sdr"),
                                    "--coordinates", dir.File("c.asp")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.substr(0, 6), "S,,\r\nC");
}

TEST(OrtixCliPrepare, FailuresWriteNothing) {
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir.File("s.sdr"), FieldBook());
    testsupport::WriteBytes(dir.File("c.asp"), kCoordinates);
    const std::string out = dir.File("out.not");
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {"station not in the field book",
         {"--station", "T", "--fieldbook", dir.File("s.sdr"), "--coordinates", dir.File("c.asp")},
         1},
        {"missing field book",
         {"--station", "S", "--fieldbook", dir.File("no.sdr"), "--coordinates", dir.File("c.asp")},
         1},
        {"provisional north not a number",
         {"--station", "S", "--north", "12,5", "--fieldbook", dir.File("s.sdr"), "--coordinates",
          dir.File("c.asp")},
         1},
        {"output over an input",
         {"--station", "S", "--fieldbook", dir.File("s.sdr"), "--coordinates", dir.File("c.asp"),
          "-o", dir.File("c.asp")},
         1},
        {"no station", {"--fieldbook", dir.File("s.sdr"), "--coordinates", dir.File("c.asp")}, 2},
        {"unknown option", {"--station", "S", "--zenith"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"prepare"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        if (c.exitCode == 1 && std::string(c.name) != "output over an input") {
            args.insert(args.end(), {"-o", out});
        }
        const CliRun run = RunCli(dir, args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_FALSE(run.err.empty());
        EXPECT_FALSE(testsupport::FileExists(out));
        EXPECT_EQ(testsupport::ReadBytes(dir.File("c.asp")), kCoordinates);
    }
}

}  // namespace
