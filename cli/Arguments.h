#pragma once

// The command line read once into the tool's typed settings.

#include "engine/BatchRun.h"
#include "engine/Result.h"

#include <QString>
#include <QStringList>

namespace cli {

enum class Command { Insert, Remove, Status, Undo, Runs, Help, Version };

struct Settings {
    Command command = Command::Insert;
    // Insert and remove run with these; status compares with them when `compare`.
    engine::RunSettings run;
    bool compare = false;
    QString folder;    // FOLDER as given (its bytes: files::encodeName)
    QStringList names; // the NAMEs given
    QString runId;     // undo: the RUN given, or none for the newest
    QStringList exclude;
    bool all = false;
    bool recursive = false;
    bool dryRun = false;
    bool json = false;
    bool diff = false;
    bool journal = true; // without --no-journal
    bool source = false; // --source: a generator's source folder is taken
    engine::RunFiles::Sync sync = engine::RunFiles::Sync::FileSystem;
    QString helpText; // for --help
};

// The settings the arguments (the program's name first) give; fails with a
// usage error's words (Failure::Kind::Settings).
engine::Result<Settings> readArguments(const QStringList& arguments);

} // namespace cli
