#pragma once

// ortix-cli adjust: the adjustment of known-points files in batch.
//
//   ortix-cli adjust FILE.not [-o REPORT.txt]     report to REPORT.txt or standard output
//   ortix-cli adjust A.not B.not ... -d OUTDIR    OUTDIR/A.txt, OUTDIR/B.txt, ...
//
// Each file is loaded as "Carica punti noti" loads it, adjusted as "Calcola" adjusts it, and
// reported as "Salva Risultati" reports it. A file that fails gets its message on standard error
// and no report; the others go on. Exit 0 when every file succeeded, 1 when any failed, 2 for a
// wrong command line.

#include "tools/ortix_cli/cli_common.h"

#include <string>

namespace ortix::cli {

extern const Command kAdjustCommand;

// The report of one known-points file, as the window would save it after "Calcola". Throws the
// errors of loading (platform::FileError, platform::ListIndexError) and of the adjustment
// (platform::UserMessage), and platform::ConversionError from the report.
std::string AdjustmentReportOfFile(const std::string& path);

}  // namespace ortix::cli
