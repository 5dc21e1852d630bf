#include "tools/ortix_cli/adjust_command.h"

#include "ortix/adjustment/adjustment.h"
#include "ortix/adjustment/page_texts.h"
#include "ortix/files/adjustment_report.h"
#include "ortix/files/known_points_file.h"

#include <filesystem>
#include <optional>
#include <set>
#include <vector>

namespace ortix::cli {
namespace {

constexpr std::string_view kUsage =
    "  adjust FILE.not [-o RAPPORTO.txt]\n"
    "  adjust A.not B.not ... -d CARTELLA\n"
    "      Carica il file di punti noti, compensa il punto isolato e scrive il rapporto\n"
    "      dei calcoli in RAPPORTO.txt o sullo standard output. Con -d tratta più file e\n"
    "      scrive CARTELLA/A.txt, CARTELLA/B.txt, ... (la cartella si crea se manca),\n"
    "      proseguendo oltre i file in errore.\n";

struct AdjustOptions {
    std::vector<std::string> inputs;
    std::optional<std::string> output;
    std::optional<std::string> folder;
    bool help = false;
};

AdjustOptions ParseOptions(std::span<const std::string> args) {
    AdjustOptions options;
    bool onlyFiles = false;
    auto value = [&](size_t& i, std::optional<std::string>& target, const char* what) {
        if (target) {
            throw UsageError(args[i] + " ripetuto");
        }
        if (i + 1 >= args.size()) {
            throw UsageError(args[i] + " richiede " + what);
        }
        target = args[++i];
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg.empty() || arg[0] != '-') {
            options.inputs.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "-o") {
            value(i, options.output, "il nome del rapporto");
        } else if (arg == "-d") {
            value(i, options.folder, "il nome della cartella");
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else {
            throw UsageError("opzione sconosciuta: " + arg);
        }
    }
    if (options.help) {
        return options;
    }
    if (options.inputs.empty()) {
        throw UsageError("adjust: manca il file di punti noti");
    }
    if (options.output && options.folder) {
        throw UsageError("adjust: -o e -d non si usano insieme");
    }
    if (options.inputs.size() > 1 && !options.folder) {
        throw UsageError("adjust: con più file serve -d CARTELLA");
    }
    return options;
}

// Where each input's report goes; empty for standard output.
std::vector<std::string> OutputPaths(const AdjustOptions& options) {
    std::vector<std::string> outputs;
    std::set<std::string> seen;
    for (const std::string& input : options.inputs) {
        if (options.folder) {
            std::string out = OutputPathInFolder(*options.folder, input, ".txt");
            if (!seen.insert(out).second) {
                throw UsageError("adjust: due file danno lo stesso rapporto " + out);
            }
            outputs.push_back(std::move(out));
        } else {
            outputs.push_back(options.output.value_or(std::string()));
        }
    }
    return outputs;
}

int RunAdjust(std::span<const std::string> args) {
    AdjustOptions options;
    std::vector<std::string> outputs;
    try {
        options = ParseOptions(args);
        if (options.help) {
            PrintText("Uso:\n");
            PrintText(kUsage);
            return kExitOk;
        }
        outputs = OutputPaths(options);
    } catch (const UsageError& e) {
        return PrintUsageError(e);
    }
    if (options.folder) {
        // A folder that cannot be made shows up as a write error of each report.
        std::error_code ec;
        std::filesystem::create_directories(*options.folder, ec);
    }

    int exitCode = kExitOk;
    for (size_t i = 0; i < options.inputs.size(); ++i) {
        const std::string& input = options.inputs[i];
        const std::string& output = outputs[i];
        try {
            if (!output.empty() && SameFile(input, output)) {
                throw CommandError("il rapporto " + output +
                                   " sostituirebbe il file di punti noti");
            }
            const std::string report = AdjustmentReportOfFile(input);
            if (output.empty()) {
                WriteStdout(report);
            } else {
                WriteFileBytes(output, report);
            }
        } catch (const std::exception& e) {
            PrintFileError(input, e);
            exitCode = kExitFailed;
        }
    }
    return exitCode;
}

}  // namespace

const Command kAdjustCommand{"adjust", kUsage, RunAdjust};

std::string AdjustmentReportOfFile(const std::string& path) {
    StationTexts station;
    platform::TextGrid punoti = NewPunotiGrid();
    LoadKnownPoints(path, station, punoti);
    AdjustmentDisplay display = NewAdjustmentDisplay();
    RunAdjustment(punoti, station.xp_, station.yp_, display);
    return BuildAdjustmentReport(kTitleText, kVersionText, station, punoti, display);
}

}  // namespace ortix::cli
