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

QString Outcomes::pageLine(const engine::PageResult& page, bool preview) {
    QString line = word(page.reported(), preview) + QStringLiteral("  ") + text(page.path);
    if (!page.via.empty())
        line += QStringLiteral(" (%1)").arg(
            tr("in %1", "the include that carries a page's code").arg(text(page.via)));
    if (!page.reason().empty())
        line += QStringLiteral(": ") + text(page.reason());
    return line;
}

} // namespace wizard
