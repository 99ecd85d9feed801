#include "cli/Commands.h"
#include "cli/Report.h"
#include "files/Names.h"
#include "files/RunJournal.h"

#include <QJsonObject>
#include <QLocale>

namespace cli {

namespace {

using files::localName;
using files::shownText;

QString sizeText(std::uint64_t bytes) {
    return QLocale::c().formattedDataSize(qint64(bytes), 1, QLocale::DataSizeSIFormat);
}

// What `runs` says of a run's undoing, if anything.
QString undoneText(const files::JournalRun& run) {
    if (!run.undoneBy.isEmpty())
        return QStringLiteral("undone by %1").arg(run.undoneBy);
    if (!run.partlyBy.isEmpty())
        return QStringLiteral("partly undone (%1 pages left)").arg(run.left);
    if (run.running)
        return QStringLiteral("running");
    return run.finished ? QString() : QStringLiteral("ended without finishing");
}

QJsonObject runObject(const files::JournalRun& run) {
    QJsonObject object{{QStringLiteral("id"), run.id},
                       {QStringLiteral("sequence"), qint64(run.sequence)},
                       {QStringLiteral("time"), run.time},
                       {QStringLiteral("command"), run.command},
                       {QStringLiteral("folder"), shownText(run.folder.toStdString())},
                       {QStringLiteral("pages"), qint64(run.changed)},
                       {QStringLiteral("bytes"), qint64(run.bytes)},
                       {QStringLiteral("undone"), !run.undoneBy.isEmpty()},
                       {QStringLiteral("finished"), run.finished},
                       {QStringLiteral("running"), run.running}};
    if (!run.undoneBy.isEmpty())
        object.insert(QStringLiteral("undone_by"), run.undoneBy);
    if (!run.partlyBy.isEmpty()) {
        object.insert(QStringLiteral("partly_undone_by"), run.partlyBy);
        object.insert(QStringLiteral("pages_left"), qint64(run.left));
    }
    if (!run.undoes.isEmpty())
        object.insert(QStringLiteral("undoes"), run.undoes);
    return object;
}

} // namespace

int runsCommand(const Settings& settings, std::FILE* out, std::FILE* err) {
    const bool json = settings.json;
    const engine::Result<std::vector<files::JournalRun>> runs = files::journalRuns();
    if (!runs)
        return stopWith(err, runs.failure());
    for (const files::JournalRun& run : *runs) {
        if (json) {
            jsonLine(out, runObject(run));
            continue;
        }
        // Each column is followed by a space at least, however wide its text grows.
        QString text;
        const auto column = [&text](const QString& words, int width) {
            text += words.leftJustified(width - 1);
            text += QLatin1Char(' ');
        };
        column(run.id, 18);
        column(run.time, 21);
        column(run.command, 7);
        column(QStringLiteral("%1 page(s)").arg(run.changed), 12);
        column(sizeText(run.bytes), 10);
        text += shownText((run.typed.isEmpty() ? run.folder : run.typed).toStdString());
        if (!run.undoes.isEmpty())
            text += QStringLiteral(" (undoes %1)").arg(run.undoes);
        if (const QString undone = undoneText(run); !undone.isEmpty())
            text += QStringLiteral(" (%1)").arg(undone);
        line(out, localName(text));
    }
    return Success;
}

} // namespace cli
