#pragma once

#include <QStringList>

#include <cstdio>

namespace cli {

enum ExitStatus { Success = 0, PageFailed = 1, UsageError = 2 };

// Runs the command-line tool on the arguments (the program name first) and
// returns its exit status. Reports go to out, errors to err.
int run(const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace cli
