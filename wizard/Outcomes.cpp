#include "wizard/Outcomes.h"

#include "engine/ReportText.h"

namespace wizard {

namespace {

QString counted(const engine::BatchResult& run, engine::Outcome outcome) {
    return QString::number(run.count(outcome));
}

QString text(const std::string& bytes) {
    return QString::fromStdString(engine::reportText(bytes));
}

// The reasons the engine gives for a page it did not change, as it words them;
// %1 stands for a part it fills in. A whole sentence comes before a pattern it matches.
const char* const Reasons[] = {
    QT_TRANSLATE_NOOP("wizard::Outcomes", "the page is too large to hold in memory"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "the page is too large to rewrite in memory"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "the page is read-only"),
    QT_TRANSLATE_NOOP("wizard::Outcomes",
                      "the page has %1 other hard link(s); rewriting it would split them"),
    QT_TRANSLATE_NOOP("wizard::Outcomes",
                      "its tracking code markers are nested or crossed, so it was left as "
                      "it is; tidy them by hand, then run again"),
    QT_TRANSLATE_NOOP("wizard::Outcomes",
                      "no closing body tag (only .htm, .html, .shtm and .shtml pages get the "
                      "code at their end)"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "no closing body tag, and not a web page by its name"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "the page ends inside server code, where the code would not run"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "the page ends inside %1, where the code would not run"),
    QT_TRANSLATE_NOOP("wizard::Outcomes",
                      "taking its old tracking code out would open server code, so it was "
                      "left as it is; tidy it by hand, then run again"),
    QT_TRANSLATE_NOOP("wizard::Outcomes",
                      "the closing body tag is written by server code; put the code there "
                      "by hand"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "a binary file, not a web page"),
    QT_TRANSLATE_NOOP("wizard::Outcomes",
                      "once changed, its first bytes would read as a UTF-16 byte-order mark"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "marked as UTF-16 but has an odd number of bytes"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "UTF-32 text, which this program does not rewrite"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "a search engine's verification file"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "not a web page, by its name or by its first bytes"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "changed since the run: left as it is"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "the new text was not saved"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "this folder cannot be listed: %1"),
    QT_TRANSLATE_NOOP("wizard::Outcomes",
                      "it holds an opening body tag and was given tracking code of its own "
                      "earlier in this run"),
    QT_TRANSLATE_NOOP("wizard::Outcomes", "the same file as a page already handled in this run"),
};

} // namespace

QString Outcomes::summary(const engine::BatchResult& run) {
    using engine::Outcome;
    return tr("%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed")
        .arg(counted(run, Outcome::Inserted), counted(run, Outcome::Replaced), counted(run, Outcome::Removed),
             counted(run, Outcome::Unchanged), counted(run, Outcome::Skipped), counted(run, Outcome::Failed));
}

QString Outcomes::undoSummary(const engine::BatchResult& run) {
    using engine::Outcome;
    return tr("%1 restored, %2 unchanged, %3 skipped, %4 failed")
        .arg(counted(run, Outcome::Restored), counted(run, Outcome::Unchanged),
             counted(run, Outcome::Skipped), counted(run, Outcome::Failed));
}

QString Outcomes::word(engine::Outcome outcome, bool preview) {
    using engine::Outcome;
    switch (outcome) {
    case Outcome::Inserted:
        return preview ? tr("would be inserted") : tr("inserted", "a page's outcome");
    case Outcome::Replaced:
        return preview ? tr("would be replaced") : tr("replaced", "a page's outcome");
    case Outcome::Removed:
        return preview ? tr("would be removed") : tr("removed", "a page's outcome");
    case Outcome::Restored:
        return tr("restored", "a page's outcome");
    case Outcome::Unchanged:
        return tr("unchanged", "a page's outcome");
    case Outcome::Skipped:
        return tr("skipped", "a page's outcome");
    case Outcome::Failed:
        break;
    }
    return tr("failed", "a page's outcome");
}

QString Outcomes::reason(const std::string& why) {
    const QString english = text(why);
    for (const char* known : Reasons) {
        const QString pattern = QLatin1String(known);
        const qsizetype at = pattern.indexOf(QLatin1String("%1"));
        if (at < 0) {
            if (english == pattern)
                return tr(known);
            continue;
        }
        const QString before = pattern.left(at);
        const QString after = pattern.mid(at + 2);
        if (english.size() > before.size() + after.size() && english.startsWith(before) &&
            english.endsWith(after))
            return tr(known).arg(english.mid(before.size(), english.size() - before.size() - after.size()));
    }
    return english;
}

QString Outcomes::pageLine(const engine::PageResult& page, bool preview) {
    QString line = word(page.reported(), preview) + QStringLiteral("  ") + text(page.path);
    if (!page.via.empty())
        line += QStringLiteral(" (%1)").arg(
            tr("in %1", "the include that carries a page's code").arg(text(page.via)));
    if (!page.reason().empty())
        line += QStringLiteral(": ") + reason(page.reason());
    return line;
}

} // namespace wizard
