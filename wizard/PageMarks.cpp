#include "wizard/PageMarks.h"

#include "engine/BatchRun.h"
#include "files/Names.h"

#include <QFile>

#include <unordered_map>
#include <vector>

namespace wizard {

namespace {

// What a status run finds of each entry goes to the window as signals.
class MarksSink final : public engine::RunSink {
public:
    MarksSink(PageMarks& marks, int round, const std::string& folder, const std::vector<std::string>& names,
              const std::atomic<bool>& stop)
        : m_marks(marks)
        , m_round(round)
        , m_stop(stop) {
        // Pages are told by path, not always in the order given.
        for (std::size_t i = 0; i < names.size(); ++i)
            m_rows.emplace(engine::joinPath(folder, names[i]), static_cast<int>(i));
    }

    void pageFinished(const engine::PageResult& page, int, int) override {
        const auto row = m_rows.find(page.path);
        if (row == m_rows.end() || m_stop)
            return;
        if (!page.outcome && page.outcome.kind() == engine::Failure::Kind::ServerWritten)
            Q_EMIT m_marks.refused(m_round, row->second, QString::fromStdString(page.outcome.reason()));
        if (page.state == engine::PageState::Code || page.state == engine::PageState::Broken)
            Q_EMIT m_marks.marked(m_round, row->second, static_cast<int>(page.blocks),
                                  QString::fromStdString(page.website), QString::fromStdString(page.protocol),
                                  QString::fromStdString(page.via));
    }
    bool stopRequested() override { return m_stop; }

private:
    PageMarks& m_marks;
    int m_round;
    std::unordered_map<std::string, int> m_rows;
    const std::atomic<bool>& m_stop;
};

} // namespace

PageMarks::PageMarks(platform::Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform) {}

PageMarks::~PageMarks() {
    stop();
}

void PageMarks::start(const QString& folder, engine::FolderId listed, const QList<QByteArray>& names) {
    stop();
    m_stop = false;
    const int round = ++m_round;
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(names.size()));
    for (const QByteArray& name : names)
        entries.push_back(name.toStdString());
    m_thread = std::thread([this, round, folder = files::encodeName(folder).toStdString(), listed,
                            entries = std::move(entries), files = m_platform.newPageFiles()]() mutable {
        MarksSink sink(*this, round, folder, entries, m_stop);
        engine::NamedPages pages(folder, std::move(entries), listed);
        engine::StatusOptions options;
        options.keepPages = false;
        // What it finds is told page by page; a run that cannot start leaves the marks off.
        (void)engine::runStatus(pages, engine::RunSettings{}, sink, *files, options);
        if (!m_stop)
            Q_EMIT finished(round);
    });
}

void PageMarks::stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace wizard
