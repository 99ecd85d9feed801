#include "cli/Commands.h"
#include "cli/Report.h"
#include "files/JournaledRun.h"
#include "files/QtPageFiles.h"

namespace cli {

int undoCommand(const Settings& settings, std::FILE* out, std::FILE* err) {
    engine::Result<std::unique_ptr<files::JournalReader>> chosen = files::openForUndo(settings.runId);
    if (!chosen && chosen.kind() == engine::Failure::Kind::NotFound && !settings.runId.isEmpty())
        return usage(err, QString::fromStdString(chosen.reason()) +
                              QStringLiteral(" (see code-inserter-cli runs)"));
    if (!chosen)
        return stopWith(err, chosen.failure());
    files::JournalReader& record = **chosen;
    const StopOnSignals stopOnSignals;
    const std::unique_ptr<Report> report = Report::to(out, settings);
    engine::BatchOptions options{settings.dryRun};
    options.keepPages = false;
    files::QtPageFiles files;
    const files::JournaledResult undone =
        files::undoRun(record, *report, files, options,
                       settings.journal ? files::journalIn("use --no-journal") : files::BeginJournal());
    if (!undone.run) {
        line(err, "code-inserter-cli: " + undone.run.reason());
        return PageFailed;
    }
    report->undoSummary(*undone.run, record.run().id);
    // The run stays offered for undo when it cannot be marked: said, and a failure.
    if (!undone.recorded) {
        line(err, "code-inserter-cli: " + undone.recorded.reason());
        return PageFailed;
    }
    if (undone.run->stopped && StopOnSignals::signal() != 0)
        return 128 + StopOnSignals::signal();
    return undone.run->allHandled() ? Success : PageFailed;
}

} // namespace cli
