#include "tools/ortix_cli/prepare_command.h"

#include "ortix/files/known_points_file.h"
#include "ortix/files/prepare.h"
#include "platform/codepage.h"

#include <cstdio>
#include <optional>

namespace ortix::cli {
namespace {

constexpr std::string_view kUsage =
    "  prepare --fieldbook LIBRETTO.sdr|LIBRETTO.dat --coordinates COORDINATE.asp\n"
    "          --station S [--north N --east E] [-o S.not]\n"
    "      Legge dal libretto le letture della stazione S, le abbina per nome alle\n"
    "      coordinate e scrive il file di punti noti (in S.not o sullo standard output),\n"
    "      come \"Carica Libretto\", \"Carica Coordinate\" e \"Trasferisci\"; le coordinate\n"
    "      approssimate N ed E vanno nella prima riga. Poi: ortix-cli adjust S.not\n";

struct PrepareOptions {
    std::optional<std::string> fieldBook;
    std::optional<std::string> coordinates;
    std::optional<std::string> station;
    std::optional<std::string> north;
    std::optional<std::string> east;
    std::optional<std::string> output;
    bool help = false;
};

PrepareOptions ParseOptions(std::span<const std::string> args) {
    PrepareOptions options;
    const struct {
        const char* flag;
        std::optional<std::string> PrepareOptions::*target;
        const char* what;
    } flags[] = {
        {"--fieldbook", &PrepareOptions::fieldBook, "il libretto"},
        {"--coordinates", &PrepareOptions::coordinates, "il file di coordinate"},
        {"--station", &PrepareOptions::station, "il nome della stazione"},
        {"--north", &PrepareOptions::north, "il nord approssimato"},
        {"--east", &PrepareOptions::east, "l'est approssimato"},
        {"-o", &PrepareOptions::output, "il nome del file di punti noti"},
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            continue;
        }
        bool known = false;
        for (const auto& f : flags) {
            if (arg != f.flag) {
                continue;
            }
            std::optional<std::string>& target = options.*f.target;
            if (target) {
                throw UsageError(arg + " ripetuto");
            }
            if (i + 1 >= args.size()) {
                throw UsageError(arg + " richiede " + f.what);
            }
            target = args[++i];
            known = true;
        }
        if (!known) {
            throw UsageError("prepare: argomento sconosciuto: " + arg);
        }
    }
    if (options.help) {
        return options;
    }
    if (!options.fieldBook || !options.coordinates || !options.station) {
        throw UsageError("prepare: servono --fieldbook, --coordinates e --station");
    }
    return options;
}

int RunPrepare(std::span<const std::string> args) {
    PrepareOptions options;
    try {
        options = ParseOptions(args);
    } catch (const UsageError& e) {
        return PrintUsageError(e);
    }
    if (options.help) {
        PrintText("Uso:\n");
        PrintText(kUsage);
        return kExitOk;
    }
    const std::string output = options.output.value_or(std::string());
    PrepareRequest request;
    request.fieldBookPath = *options.fieldBook;
    request.coordinatesPath = *options.coordinates;
    // The station name is typed on a UTF-8 terminal; the file holds it in the code page.
    request.station.op_ = platform::Utf8ToCp1252(*options.station);
    request.station.xp_ = options.north.value_or(std::string());
    request.station.yp_ = options.east.value_or(std::string());
    try {
        for (const std::string* input : {&request.fieldBookPath, &request.coordinatesPath}) {
            if (!output.empty() && SameFile(*input, output)) {
                throw CommandError("il file " + output + " sostituirebbe " + *input);
            }
        }
        const PreparedKnownPoints prepared = PrepareKnownPoints(request);
        const std::string bytes = FormatKnownPoints(prepared.station, prepared.punoti);
        if (output.empty()) {
            WriteStdout(bytes);
        } else {
            WriteFileBytes(output, bytes);
        }
        if (prepared.unpairedReadings > 0) {
            std::fprintf(stderr, "%s: %d letture senza coordinate non trasferite\n",
                         kProgramName.data(), prepared.unpairedReadings);
        }
    } catch (const std::exception& e) {
        PrintFileError(request.fieldBookPath, e);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

const Command kPrepareCommand{"prepare", kUsage, RunPrepare};

}  // namespace ortix::cli
