#pragma once

// ortix-cli prepare: a known-points file from a field book and a coordinate list.
//
//   ortix-cli prepare --fieldbook F.sdr|F.dat --coordinates C.asp --station S
//                     [--north N --east E] [-o S.not]
//
// The readings of station S are paired with the coordinates by point name, as "Carica
// Libretto", "Carica Coordinate" into a cleared table and "Trasferisci" pair them, and the
// result is written as "Salva punti noti" writes it (to S.not or standard output); line 1 holds S
// and the provisional coordinates, empty unless given. Exit 0 on success, 1 when the files
// give no known point or cannot be read or written (nothing is written then), 2 for a wrong
// command line.

#include "tools/ortix_cli/cli_common.h"

namespace ortix::cli {

extern const Command kPrepareCommand;

}  // namespace ortix::cli
