#include "cli/CliRun.h"

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Report.h"
#include "engine/scan/Kernels.h"
#include "files/Names.h"
#include "version/Version.h"

namespace cli {

int run(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    // A scanning kernel asked for that cannot be used is said at once.
    if (const engine::Result<void> kernel = engine::scan::kernelUsable(); !kernel) {
        line(err, "code-inserter-cli: " + kernel.reason());
        return UsageError;
    }
    const engine::Result<Settings> settings = readArguments(arguments);
    if (!settings)
        return usage(err, QString::fromStdString(settings.reason()));
    switch (settings->command) {
    case Command::Help:
        line(out, files::localName(settings->helpText));
        return Success;
    case Command::Version:
        line(out, std::string("code-inserter-cli ") + version::text());
        return Success;
    case Command::Runs:
        return runsCommand(*settings, out, err);
    case Command::Undo:
        return undoCommand(*settings, out, err);
    case Command::Insert:
    case Command::Remove:
    case Command::Status:
        return pageCommand(*settings, out, err);
    }
    return UsageError;
}

} // namespace cli
