#pragma once
// Tournaments and the sequential test on the command line.

#include <string>
#include <vector>

#include "cli/options.h"
#include "records/simulation_partial.h"

namespace kelmira::cli {

// --tournament: plays, prints the table (or writes the shard's partial file).
int RunTournament(const Options& o);
// --sprt: plays pairs of games until the test decides or the games run out.
int RunSprt(const Options& o);
// The report of the tournament whose shards `ordered` holds; false with `error` set.
bool TournamentReportFromPartials(const std::vector<const PartialRun*>& ordered,
                                  std::vector<std::string>& report, int& faults,
                                  std::string& error);

}  // namespace kelmira::cli
