#include "cli/Report.h"

#include "files/Names.h"

#include <QJsonDocument>

#include <csignal>

namespace cli {

namespace {

using files::shownText;

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void askToStop(int signal) {
    stopSignal = signal;
}

bool isStatus(const Settings& settings) {
    return settings.command == Command::Status;
}

QJsonObject outcomeCounts(const engine::BatchResult& result,
                          std::initializer_list<engine::Outcome> outcomes) {
    QJsonObject summary;
    for (const auto outcome : outcomes)
        summary.insert(QLatin1String(engine::outcomeWord(outcome)),
                       static_cast<qint64>(result.count(outcome)));
    if (result.stopped)
        summary.insert(QStringLiteral("stopped"), true);
    return summary;
}

QJsonObject stateCounts(const engine::BatchResult& result) {
    QJsonObject summary;
    for (const auto state : {engine::PageState::Code, engine::PageState::Current, engine::PageState::Stale,
                             engine::PageState::None, engine::PageState::Broken})
        summary.insert(QLatin1String(engine::stateWord(state)),
                       static_cast<qint64>(result.countState(state)));
    summary.insert(QStringLiteral("skipped"), static_cast<qint64>(result.count(engine::Outcome::Skipped)));
    summary.insert(QStringLiteral("failed"), static_cast<qint64>(result.count(engine::Outcome::Failed)));
    if (result.stopped)
        summary.insert(QStringLiteral("stopped"), true);
    return summary;
}

// Each page a line of text, in the tool's report format, with its diff after it.
class LineReport final : public Report {
public:
    LineReport(std::FILE* out, const Settings& settings)
        : Report(out, settings) {}

    void pageFinished(const engine::PageResult& page, int, int) override {
        m_pending += engine::reportLine(page, m_settings.dryRun, isStatus(m_settings)) + '\n';
        // The page's own bytes, so that patch gives exactly the page the run writes.
        m_pending += page.diff;
    }

private:
    void writeSummary(const engine::BatchResult& result, const QString& runId) override {
        const std::string dry = m_settings.dryRun ? "dry run: " : "";
        const std::string stopped = result.stopped ? "stopped: " : "";
        if (m_settings.command == Command::Undo)
            line(m_out, dry + stopped + "undo of " + files::localName(runId) + ": " + result.undoSummary());
        else if (isStatus(m_settings))
            line(m_out, stopped + result.stateSummary(m_settings.compare));
        else
            line(m_out, dry + stopped + result.summary());
    }
};

// Each page a JSON object on a line of its own, then the summary.
class JsonReport final : public Report {
public:
    JsonReport(std::FILE* out, const Settings& settings)
        : Report(out, settings) {}

    void pageFinished(const engine::PageResult& page, int, int) override {
        const bool status = isStatus(m_settings);
        const std::string word = status && page.state != engine::PageState::Unknown
                                     ? engine::stateWord(page.state)
                                     : engine::outcomeWord(page.reported());
        QJsonObject object{{QStringLiteral("path"), shownText(page.path)}};
        object.insert(status ? QStringLiteral("state") : QStringLiteral("outcome"),
                      QString::fromStdString(word));
        if (m_settings.dryRun)
            object.insert(QStringLiteral("dry_run"), true);
        if (!page.reason().empty())
            object.insert(QStringLiteral("reason"), shownText(page.reason()));
        if (!page.via.empty())
            object.insert(QStringLiteral("via"), shownText(page.via));
        if (!page.website.empty()) {
            object.insert(QStringLiteral("website"), shownText(page.website));
            object.insert(QStringLiteral("protocol"), QString::fromStdString(page.protocol));
        }
        // A diff of bytes that are not UTF-8 text goes whole, in base64.
        const QByteArray diff = QByteArray::fromStdString(page.diff);
        if (!diff.isEmpty() && engine::isValidUtf8(page.diff))
            object.insert(QStringLiteral("diff"), QString::fromUtf8(diff));
        else if (!diff.isEmpty())
            object.insert(QStringLiteral("diff_base64"), QString::fromLatin1(diff.toBase64()));
        m_pending += QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + '\n';
    }

private:
    void writeSummary(const engine::BatchResult& result, const QString& runId) override {
        using engine::Outcome;
        QJsonObject summary;
        if (m_settings.command == Command::Undo) {
            summary = outcomeCounts(
                result, {Outcome::Restored, Outcome::Unchanged, Outcome::Skipped, Outcome::Failed});
            summary.insert(QStringLiteral("run"), runId);
            summary.insert(QStringLiteral("dry_run"), m_settings.dryRun);
        } else if (isStatus(m_settings)) {
            summary = stateCounts(result);
        } else {
            summary = outcomeCounts(result, {Outcome::Inserted, Outcome::Replaced, Outcome::Removed,
                                             Outcome::Unchanged, Outcome::Skipped, Outcome::Failed});
            summary.insert(QStringLiteral("dry_run"), m_settings.dryRun);
        }
        jsonLine(m_out, QJsonObject{{QStringLiteral("summary"), summary}});
    }
};

} // namespace

void line(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

void jsonLine(std::FILE* stream, const QJsonObject& object) {
    line(stream, QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString());
}

int usage(std::FILE* err, const QString& message) {
    line(err, "code-inserter-cli: " + files::localName(message) + " (see --help)");
    return UsageError;
}

int stopWith(std::FILE* err, const engine::Failure& failure) {
    if (failure.kind == engine::Failure::Kind::Settings)
        return usage(err, QString::fromStdString(failure.reason));
    line(err, "code-inserter-cli: " + failure.reason);
    return PageFailed;
}

StopOnSignals::StopOnSignals() {
    stopSignal = 0;
    m_int = std::signal(SIGINT, askToStop);
    m_term = std::signal(SIGTERM, askToStop);
}

StopOnSignals::~StopOnSignals() {
    std::signal(SIGINT, m_int);
    std::signal(SIGTERM, m_term);
}

int StopOnSignals::signal() {
    return static_cast<int>(stopSignal);
}

std::unique_ptr<Report> Report::to(std::FILE* out, const Settings& settings) {
    if (settings.json)
        return std::make_unique<JsonReport>(out, settings);
    return std::make_unique<LineReport>(out, settings);
}

void Report::flush() {
    std::fwrite(m_pending.data(), 1, m_pending.size(), m_out);
    std::fflush(m_out);
    m_pending.clear();
}

int Report::batchSummary(const engine::BatchResult& result) {
    writeSummary(result, QString());
    // Stopped by a signal: the pages done so far are told; the status says which signal.
    if (result.stopped && StopOnSignals::signal() != 0)
        return 128 + StopOnSignals::signal();
    return result.allHandled() ? Success : PageFailed;
}

int Report::statusSummary(const engine::BatchResult& result) {
    writeSummary(result, QString());
    std::size_t judged = 0; // every page told but the skipped ones
    for (const auto outcome : {engine::Outcome::Inserted, engine::Outcome::Replaced, engine::Outcome::Removed,
                               engine::Outcome::Unchanged, engine::Outcome::Failed})
        judged += result.count(outcome);
    if (result.stopped && StopOnSignals::signal() != 0)
        return 128 + StopOnSignals::signal();
    if (m_settings.compare)
        return result.countState(engine::PageState::Current) == judged ? Success : PageFailed;
    return result.count(engine::Outcome::Failed) > 0 ? PageFailed : Success;
}

void Report::undoSummary(const engine::BatchResult& result, const QString& runId) {
    writeSummary(result, runId);
}

} // namespace cli
