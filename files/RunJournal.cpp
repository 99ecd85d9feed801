#include "files/RunJournal.h"

#include "files/JournalFormat.h"
#include "files/JournalSystem.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace files {

namespace {

using engine::Failure;

QString stateFolder() {
    // A state folder that is not the account's own is refused where it is used,
    // not passed over: a run never keeps its journal where the user did not say.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        return journal::accountHome() + QLatin1String("/.local/state");
    return state;
}

} // namespace

QString journalFolder() {
    return QDir::cleanPath(stateFolder() + QLatin1String("/code-inserter/journal"));
}

namespace journal {

engine::Result<std::unique_ptr<JournalFolder>> openJournal(bool create) {
    return JournalFolder::open(stateFolder(), create);
}

} // namespace journal

engine::Result<std::vector<JournalRun>> journalRuns(Detail detail) {
    engine::Result<std::unique_ptr<JournalFolder>> journal = journal::openJournal(false);
    if (!journal && journal.kind() == Failure::Kind::NotFound)
        return std::vector<JournalRun>(); // no run was ever kept
    if (!journal)
        return journal.failure();
    return journal::listRuns(**journal, detail);
}

const JournalRun* runToUndo(const std::vector<JournalRun>& runs) {
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        if (run->command != QLatin1String("undo") && run->undoneBy.isEmpty())
            return &*run;
    }
    return nullptr;
}

namespace {

// The run an undo takes: the one named, or the newest offered.
engine::Result<JournalRun> chooseRun(const JournalFolder& journal, const QString& id) {
    const std::vector<JournalRun> runs = journal::listRuns(journal, Detail::Header);
    if (id.isEmpty()) {
        if (const JournalRun* chosen = runToUndo(runs))
            return *chosen;
        return Failure{Failure::Kind::NotFound, "nothing to undo in the journal " +
                                                    QDir::toNativeSeparators(journal.path()).toStdString()};
    }
    const auto found =
        std::find_if(runs.begin(), runs.end(), [&](const JournalRun& run) { return run.id == id; });
    if (found == runs.end())
        return Failure{Failure::Kind::NotFound, "no run \"" + id.toStdString() + "\" in the journal"};
    return *found;
}

} // namespace

engine::Result<std::unique_ptr<JournalReader>> openForUndo(const QString& id) {
    engine::Result<std::unique_ptr<JournalFolder>> journal = journal::openJournal(false);
    if (!journal && journal.kind() == Failure::Kind::NotFound)
        return Failure{Failure::Kind::NotFound,
                       id.isEmpty() ? "nothing to undo in the journal " +
                                          QDir::toNativeSeparators(journalFolder()).toStdString()
                                    : "no run \"" + id.toStdString() + "\" in the journal"};
    if (!journal)
        return journal.failure();
    for (;;) {
        engine::Result<JournalRun> chosen = chooseRun(**journal, id);
        if (!chosen)
            return chosen.failure();
        std::optional<journal::OpenedRun> opened = journal::openRun(**journal, chosen->id);
        if (!opened)
            return Failure{Failure::Kind::Journal,
                           "the run " + chosen->id.toStdString() + " cannot be read from the journal"};
        if (!opened->folder->lock(false)) {
            if (!chosen->finished)
                return Failure{Failure::Kind::Journal, "run " + chosen->id.toStdString() +
                                                           " is still running; undo it when it has ended"};
            // Another undo of the run: this one waits for it, then looks again.
            opened->folder->lock(true);
            journal::readMarks(*opened->folder, opened->run, false);
            if (id.isEmpty() && !opened->run.undoneBy.isEmpty())
                continue;
        }
        journal::readMarks(*opened->folder, opened->run, false);
        return journal::readerFor(std::move(*opened), std::move(*journal));
    }
}

} // namespace files
