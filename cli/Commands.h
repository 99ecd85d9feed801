#pragma once

// The tool's commands, each in a unit of its own; each returns its exit status.

#include "cli/Arguments.h"

#include <cstdio>

namespace cli {

// insert, remove and status: the tree walked once to check the arguments, then
// the run with each page's line and the summary.
int pageCommand(const Settings& settings, std::FILE* out, std::FILE* err);

// undo [RUN]: the run's pages get their old texts back where they still hold
// what it wrote; the run is then marked undone.
int undoCommand(const Settings& settings, std::FILE* out, std::FILE* err);

// runs: the journal's runs, in the order they were made.
int runsCommand(const Settings& settings, std::FILE* out, std::FILE* err);

} // namespace cli
