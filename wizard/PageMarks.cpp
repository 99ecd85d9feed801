#include "wizard/PageMarks.h"

#include "engine/BatchRun.h"

#include <QFile>

#include <unordered_map>
#include <vector>

namespace wizard {

namespace {

// Every entry, read for a status run; results go to the window as signals.
class MarksHost final : public engine::BatchHost {
public:
    MarksHost(PageMarks& marks, int round, std::string folder, engine::FolderId listed,
              std::vector<std::string> names, const std::atomic<bool>& stop)
        : m_marks(marks)
        , m_round(round)
        , m_folder(std::move(folder))
        , m_listed(listed)
        , m_names(std::move(names))
        , m_stop(stop) {
        // Pages are told by path, not always in the order given.
        for (std::size_t i = 0; i < m_names.size(); ++i)
            m_rows.emplace(engine::joinPath(m_folder, m_names[i]), static_cast<int>(i));
    }

    std::string folder() override { return m_folder; }
    engine::FolderId listedFolder() override { return m_listed; }
    int entryCount() override { return static_cast<int>(m_names.size()); }
    std::string entryName(int index) override { return m_names.at(static_cast<std::size_t>(index)); }
    bool entrySelected(int) override { return true; }
    std::string websiteNumber() override { return {}; }
    std::string protocolText() override { return {}; }
    engine::Mode mode() override { return engine::Mode::Insert; }
    void pageStarting(const std::string&, int, int) override {}
    void pageFinished(const engine::PageResult& page, int, int) override {
        const auto row = m_rows.find(page.path);
        if (row == m_rows.end() || m_stop)
            return;
        if (!page.outcome && page.outcome.kind() == engine::Failure::Kind::ServerWritten)
            Q_EMIT m_marks.refused(m_round, row->second, QString::fromStdString(page.outcome.reason()));
        if (page.state == engine::PageState::Code || page.state == engine::PageState::Broken)
            Q_EMIT m_marks.marked(m_round, row->second, page.state == engine::PageState::Broken,
                                  QString::fromStdString(page.website), QString::fromStdString(page.protocol),
                                  QString::fromStdString(page.via));
    }
    bool stopRequested() override { return m_stop; }

private:
    PageMarks& m_marks;
    int m_round;
    std::string m_folder;
    engine::FolderId m_listed;
    std::vector<std::string> m_names;
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
    m_thread = std::thread([this, round, folder = QFile::encodeName(folder).toStdString(), listed,
                            entries = std::move(entries), files = m_platform.newPageFiles()]() mutable {
        MarksHost host(*this, round, folder, listed, std::move(entries), m_stop);
        engine::StatusOptions options;
        options.keepPages = false;
        (void)engine::runStatus(host, *files, options); // what it finds is told page by page
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
