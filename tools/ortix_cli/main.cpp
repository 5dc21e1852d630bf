// ortix-cli: the computations of Ortix from the command line, one subcommand each.

#include "tools/ortix_cli/adjust_command.h"
#include "tools/ortix_cli/cli_common.h"
#include "tools/ortix_cli/prepare_command.h"

#include <string>
#include <vector>

namespace {

using ortix::cli::Command;

// Every subcommand, in the order --help lists them.
const Command* const kCommands[] = {
    &ortix::cli::kAdjustCommand,
    &ortix::cli::kPrepareCommand,
};

constexpr std::string_view kHelpHead =
    "ortix-cli: i calcoli di Ortix da riga di comando.\n"
    "\n"
    "Uso:\n"
    "  ortix-cli COMANDO [ARGOMENTI]\n"
    "  ortix-cli --help\n"
    "\n"
    "Comandi:\n";

constexpr std::string_view kHelpTail =
    "\n"
    "I file si leggono e si scrivono byte per byte, nella codifica Windows-1252; un file in\n"
    "errore non produce nulla e il suo messaggio compare sullo standard error con il nome\n"
    "del file.\n"
    "\n"
    "Codici di uscita: 0 riuscito, 1 almeno un file in errore, 2 riga di comando errata.\n";

void PrintHelp() {
    ortix::cli::PrintText(kHelpHead);
    for (const Command* command : kCommands) {
        ortix::cli::PrintText(command->usage);
    }
    ortix::cli::PrintText(kHelpTail);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        PrintHelp();
        return ortix::cli::kExitOk;
    }
    if (args.empty()) {
        return ortix::cli::PrintUsageError(ortix::cli::UsageError("manca il comando"));
    }
    for (const Command* command : kCommands) {
        if (args[0] == command->name) {
            return command->run(std::span<const std::string>(args).subspan(1));
        }
    }
    return ortix::cli::PrintUsageError(ortix::cli::UsageError("comando sconosciuto: " + args[0]));
}
