#include "EachKernel.h"
#include "engine/BatchRun.h"
#include "engine/TrackingBlock.h"

#include <QTest>

#include <functional>
#include <map>

using namespace engine;

namespace {

struct FakeFile {
    std::string text;
    bool writable = true;
    std::uint64_t links = 1;
    std::string identity;
    std::string failRead;
    std::string failReplace;
};

// Files in memory, keyed by path.
class FakeFiles final : public PageFiles {
public:
    std::map<std::string, FakeFile> files;
    std::vector<std::string> reads;
    std::vector<std::string> writes;

    std::string folder;
    std::string failOpen;
    int commits = 0;
    std::size_t groupSize = 1;
    std::vector<std::string>* events = nullptr; // commits and discards, in order with the journal's

    bool groupFull() const override { return staged.size() >= groupSize; }

    Result<void> open(const std::string& dir, FolderId, RunFiles) override {
        folder = dir;
        if (!failOpen.empty())
            return Failure{Failure::Kind::System, failOpen};
        return {};
    }

    Result<PageRead> read(const std::string& name) override {
        const std::string path = joinPath(folder, name);
        reads.push_back(path);
        const auto it = files.find(path);
        if (it == files.end())
            return Failure{Failure::Kind::NotFound, "the page no longer exists"};
        if (!it->second.failRead.empty())
            return Failure{Failure::Kind::System, it->second.failRead};
        PageRead r;
        r.contents = it->second.text;
        r.writable = it->second.writable;
        r.links = it->second.links;
        r.identity = it->second.identity.empty() ? path : it->second.identity;
        r.token = tokens.size() + 1;
        tokens.push_back(path);
        return r;
    }

    Result<void> stage(const PageRead& read, const std::vector<std::string_view>& pieces) override {
        std::string text;
        for (const auto piece : pieces)
            text += piece;
        staged.emplace_back(tokens.at(read.token - 1), text);
        return {};
    }

    std::vector<Result<void>> commit() override {
        ++commits;
        if (events)
            events->push_back("commit");
        std::vector<Result<void>> results;
        for (const auto& [path, text] : staged) {
            FakeFile& file = files.at(path);
            if (!file.failReplace.empty()) {
                results.emplace_back(Failure{Failure::Kind::System, file.failReplace});
                continue;
            }
            results.emplace_back();
            file.text = text;
            writes.push_back(path);
        }
        staged.clear();
        return results;
    }
    void discard() override {
        if (events)
            events->push_back("discard");
        staged.clear();
    }

private:
    std::vector<std::string> tokens;
    std::vector<std::pair<std::string, std::string>> staged;
};

class FakeHost final : public TickedList, public RunSink {
public:
    std::string dir = "/site";
    std::vector<std::string> names;
    std::vector<bool> selected;
    std::string site = "12345";
    Protocol protocol = Protocol::Normal;
    Mode runMode = Mode::Insert;
    std::vector<std::string> shown;
    std::function<void(int)> onStart;
    int stopAfter = -1;
    bool byPath = false;

    RunSettings settings() const {
        return RunSettings{runMode, Site::parse(site), protocol,
                           byPath ? PageNaming::Path : PageNaming::File};
    }
    std::string folder() const override { return dir; }
    int entryCount() const override { return static_cast<int>(names.size()); }
    std::string entryName(int i) const override { return names.at(i); }
    bool entrySelected(int i) const override { return selected.at(i); }
    void pageStarting(const std::string& path, int done, int) override {
        shown.push_back(path);
        if (onStart)
            onStart(done);
    }
    bool stopRequested() override { return stopAfter >= 0 && int(shown.size()) >= stopAfter; }
};

const std::string Page = "<html><body>x</body></html>";

// A journal that tells what it keeps and when it seals into the files' events,
// and fails where it is told to.
class FakeJournal final : public Journal {
public:
    std::vector<std::string>& events;
    std::string failKeep; // the page whose old text cannot be kept
    bool failSeal = false;

    explicit FakeJournal(std::vector<std::string>& log)
        : events(log) {}

    Result<void> keep(const std::string& path, std::string_view, const std::vector<std::string_view>&,
                      const Digests*) override {
        events.push_back("keep " + path);
        if (path == failKeep)
            return Failure{Failure::Kind::Journal, "the journal is full"};
        return {};
    }
    Result<void> seal() override {
        events.push_back("seal");
        if (failSeal)
            return Failure{Failure::Kind::Journal, "the journal cannot be written"};
        return {};
    }
};

// A run's record for undo: each page with what the run found and wrote there.
class FakeRecord final : public JournalRecord {
public:
    struct Page {
        std::string path;
        std::string before;
        std::string wrote;
        Result<void> intact;
        bool damaged = false; // its old text fails its digest
    };
    std::vector<Page> pages;

    std::size_t pageCount() const override { return pages.size(); }
    bool nextPage(JournalRecord::Page& page) override {
        if (m_next >= pages.size())
            return false;
        m_inHand = &pages[m_next++];
        page = JournalRecord::Page{m_inHand->path, m_inHand->intact};
        return true;
    }
    Holds compare(std::string_view contents) const override {
        return contents == m_inHand->wrote    ? Holds::WhatTheRunWrote
               : contents == m_inHand->before ? Holds::WhatItHeldBefore
                                              : Holds::SomethingElse;
    }
    Result<std::string> oldText(std::string_view) override {
        if (m_inHand->damaged)
            return Failure{Failure::Kind::Journal, "the journal's copy is damaged"};
        return m_inHand->before;
    }
    Journal::Digests digests() const override { return {}; }

private:
    std::size_t m_next = 0;
    const Page* m_inHand = nullptr;
};

// A run with the host's entries and settings, told to the host.
Result<BatchResult> runBatch(FakeHost& host, FakeFiles& files, BatchOptions options = {}) {
    return engine::runBatch(host, host.settings(), host, files, options);
}

void addPages(FakeHost& host, FakeFiles& files, const std::vector<std::string>& names) {
    for (const auto& name : names) {
        host.names.push_back(name);
        host.selected.push_back(true);
        files.files[joinPath(host.dir, name)].text = Page;
    }
}

} // namespace

class TestBatchRun : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlySelectedEntriesChangeAndAreShown() {
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {"a.htm", "b.htm", "c.htm"});
        host.selected[1] = false;
        const BatchResult result = *runBatch(host, files);
        QCOMPARE(host.shown, (std::vector<std::string>{"/site/a.htm", "/site/c.htm"}));
        QCOMPARE(files.writes, host.shown);
        QCOMPARE(files.files["/site/b.htm"].text, Page);
        QCOMPARE(result.count(Outcome::Inserted), std::size_t(2));
        QVERIFY(result.allHandled());
        // Every page gets its own page name in its block.
        QVERIFY(files.files["/site/c.htm"].text.find("&page=c.htm&") != std::string::npos);
    }

    void pathJoin_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("root gets no second separator") << QStringLiteral("/") << QStringLiteral("/a.htm");
        QTest::newRow("folder gets one") << QStringLiteral("/site") << QStringLiteral("/site/a.htm");
        QTest::newRow("folder ending in one keeps it")
            << QStringLiteral("/site/") << QStringLiteral("/site/a.htm");
    }

    void pathJoin() {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(QString::fromStdString(joinPath(folder.toStdString(), "a.htm")), path);
    }

    void flagsAreReadWhenTheirTurnComes() {
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {"a.htm", "b.htm", "c.htm"});
        host.selected[2] = false;
        host.onStart = [&](int done) {
            if (done == 0) {
                host.selected[1] = false;
                host.selected[2] = true;
            }
        };
        (void)runBatch(host, files);
        QCOMPARE(host.shown, (std::vector<std::string>{"/site/a.htm", "/site/c.htm"}));
    }

    // What a failure's kind makes of a page in the report: left alone as one the
    // run does not change (skipped), or not handled (failed).
    void failureKindsAreReported_data() {
        QTest::addColumn<Failure::Kind>("kind");
        QTest::addColumn<Outcome>("reported");
        using K = Failure::Kind;
        for (const K kind :
             {K::NotRegular, K::OutsideFolder, K::Binary, K::NotWebPage, K::NoClosingBody, K::BadUtf16,
              K::WouldTurnUtf16, K::Utf32, K::HandledBefore, K::ChangedSince, K::Excluded})
            QTest::addRow("skipped %d", int(kind)) << kind << Outcome::Skipped;
        for (const K kind : {K::TangledMarkers, K::EndsInside, K::NotReplaceable, K::TooLarge, K::NotFound,
                             K::System, K::Journal, K::Settings})
            QTest::addRow("failed %d", int(kind)) << kind << Outcome::Failed;
    }

    void failureKindsAreReported() {
        QFETCH(Failure::Kind, kind);
        QFETCH(Outcome, reported);
        const PageResult page("/site/a.htm", Failure{kind, "why"});
        QCOMPARE(page.reported(), reported);
        QCOMPARE(page.reason(), std::string("why"));
        BatchResult result;
        result.record(page, false);
        QCOMPARE(result.count(reported), std::size_t(1));
        QCOMPARE(result.allHandled(), reported == Outcome::Skipped);
    }

    void nothingSelectedTouchesNothing() {
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {"a.htm"});
        host.selected[0] = false;
        const BatchResult result = *runBatch(host, files);
        QVERIFY(result.pages.empty());
        QVERIFY(files.reads.empty());
        QVERIFY(result.allHandled());
    }

    void overflowingNumberTouchesNoFile_data() {
        QTest::addColumn<bool>("insert");
        QTest::newRow("insert") << true;
        QTest::newRow("remove") << false;
    }

    void overflowingNumberTouchesNoFile() {
        QFETCH(bool, insert);
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {"a.htm", "b.htm"});
        host.site = "99999999999999";
        host.runMode = insert ? Mode::Insert : Mode::Remove;
        const Result<BatchResult> result = runBatch(host, files);
        QVERIFY(!result);
        QCOMPARE(result.kind(), Failure::Kind::Settings);
        QVERIFY(files.reads.empty());
        QVERIFY(host.shown.empty());
    }

    // One page's trouble is reported and the run goes on.
    void pageOutcomes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("links");
        QTest::addColumn<QString>("failRead");
        QTest::addColumn<QString>("failReplace");
        QTest::addColumn<bool>("insert");
        QTest::addColumn<int>("outcome");
        const QString page = QString::fromStdString(Page);
        QTest::newRow("plain insert")
            << page << true << 1 << QString() << QString() << true << int(Outcome::Inserted);
        QTest::newRow("read-only page fails")
            << page << false << 1 << QString() << QString() << true << int(Outcome::Failed);
        QTest::newRow("hard-linked page fails")
            << page << true << 2 << QString() << QString() << true << int(Outcome::Failed);
        QTest::newRow("unreadable page fails") << page << true << 1 << QStringLiteral("permission denied")
                                               << QString() << true << int(Outcome::Failed);
        QTest::newRow("failed replacement fails")
            << page << true << 1 << QString() << QStringLiteral("disk full") << true << int(Outcome::Failed);
        QTest::newRow("binary file skipped") << QStringLiteral("GIF\u0000") << true << 1 << QString()
                                             << QString() << true << int(Outcome::Skipped);
        QTest::newRow("remove without a block leaves the page")
            << QStringLiteral(" x ") << false << 1 << QString() << QString() << false
            << int(Outcome::Unchanged);
        QTest::newRow("read-only page with nothing to do is unchanged")
            << page << false << 1 << QString() << QString() << false << int(Outcome::Unchanged);
        const QString nested =
            QStringLiteral("<body><!-- START OF TRAFALYTIC CODE -->a<!-- START OF TRAFALYTIC "
                           "CODE -->b<!-- END OF TRAFALYTIC CODE -->c<!-- END OF TRAFALYTIC "
                           "CODE --></body>");
        QTest::newRow("nested markers fail, insert")
            << nested << true << 1 << QString() << QString() << true << int(Outcome::Failed);
        QTest::newRow("nested markers fail, remove")
            << nested << true << 1 << QString() << QString() << false << int(Outcome::Failed);
        QTest::newRow("a page that ends inside a script fails")
            << QStringLiteral("<p>x</p><script>var a;") << true << 1 << QString() << QString() << true
            << int(Outcome::Failed);
    }

    void pageOutcomes() {
        QFETCH(QString, text);
        QFETCH(bool, writable);
        QFETCH(int, links);
        QFETCH(QString, failRead);
        QFETCH(QString, failReplace);
        QFETCH(bool, insert);
        QFETCH(int, outcome);
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {"a.htm", "b.htm", "c.htm"});
        host.runMode = insert ? Mode::Insert : Mode::Remove;
        FakeFile& middle = files.files["/site/b.htm"];
        middle.text = text.toStdString();
        middle.writable = writable;
        middle.links = static_cast<std::uint64_t>(links);
        middle.failRead = failRead.toStdString();
        middle.failReplace = failReplace.toStdString();
        const std::string before = middle.text;

        const BatchResult result = *runBatch(host, files);
        QCOMPARE(result.pages.size(), std::size_t(3));
        QCOMPARE(int(result.pages[1].reported()), outcome);
        QCOMPARE(result.pages[1].path, std::string("/site/b.htm"));
        const bool troubled = outcome == int(Outcome::Failed) || outcome == int(Outcome::Skipped);
        QCOMPARE(result.pages[1].reason().empty(), !troubled);
        if (outcome != int(Outcome::Inserted))
            QCOMPARE(files.files["/site/b.htm"].text, before);
        QCOMPARE(result.allHandled(), outcome != int(Outcome::Failed));
        // The pages around it are done all the same.
        QCOMPARE(int(result.pages[2].reported()), int(insert ? Outcome::Inserted : Outcome::Unchanged));
    }

    // A file without a closing body tag is skipped with the reason that holds for it.
    void skipReasons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a page by its name")
            << QStringLiteral("shop.php") << QStringLiteral("only .htm, .html, .shtm and .shtml pages");
        QTest::newRow("no page") << QStringLiteral("style.css")
                                 << QStringLiteral("not a web page by its name");
    }

    void skipReasons() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {name.toStdString()});
        files.files["/site/" + name.toStdString()].text = "<p>no body</p>";
        const BatchResult result = *runBatch(host, files);
        QCOMPARE(result.pages[0].reported(), Outcome::Skipped);
        QVERIFY2(QString::fromStdString(result.pages[0].reason()).contains(reason),
                 result.pages[0].reason().c_str());
    }

    // The page's name in its block: its file name, or on request its path in the
    // site, encoded alike, in byte and UTF-16 pages.
    void pageNames_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("byPath");
        QTest::addColumn<bool>("utf16");
        QTest::addColumn<QString>("named");
        const QString entry = QStringLiteral("Blog/My Page&1.htm");
        QTest::newRow("file name") << entry << false << false << QStringLiteral("page=my page%261.htm&");
        QTest::newRow("path") << entry << true << false << QStringLiteral("page=blog/my page%261.htm&");
        QTest::newRow("path, UTF-16")
            << entry << true << true << QStringLiteral("page=blog/my page%261.htm&");
        QTest::newRow("path at the top")
            << QStringLiteral("index.html") << true << false << QStringLiteral("page=index.html&");
    }

    void pageNames() {
        QFETCH(QString, entry);
        QFETCH(bool, byPath);
        QFETCH(bool, utf16);
        QFETCH(QString, named);
        FakeHost host;
        FakeFiles files;
        host.byPath = byPath;
        addPages(host, files, {entry.toStdString()});
        std::string& text = files.files["/site/" + entry.toStdString()].text;
        if (utf16) {
            const QString wide = QString::fromStdString(text);
            text = std::string("\xFF\xFE") +
                   std::string(reinterpret_cast<const char*>(wide.utf16()), std::size_t(wide.size()) * 2);
        }
        QCOMPARE(runBatch(host, files)->pages[0].reported(), Outcome::Inserted);
        const std::string& after = files.files["/site/" + entry.toStdString()].text;
        const QString written = utf16
                                    ? QString::fromUtf16(reinterpret_cast<const char16_t*>(after.data() + 2),
                                                         qsizetype(after.size() - 2) / 2)
                                    : QString::fromStdString(after);
        QVERIFY2(written.contains(named), qPrintable(written));
        // Status compares with the choice made.
        RunSettings compared = host.settings();
        QCOMPARE(runStatus(host, compared, host, files, StatusOptions{true, true})->pages[0].state,
                 PageState::Current);
        compared.naming = byPath ? PageNaming::File : PageNaming::Path;
        QCOMPARE(runStatus(host, compared, host, files, StatusOptions{true, true})->pages[0].state,
                 entry.contains(QLatin1Char('/')) ? PageState::Stale : PageState::Current);
    }

    void replacedRemovedAndUnchanged() {
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {"a.htm"});
        QCOMPARE(runBatch(host, files)->pages[0].reported(), Outcome::Inserted);
        QCOMPARE(runBatch(host, files)->pages[0].reported(), Outcome::Unchanged);
        host.site = "54321";
        QCOMPARE(runBatch(host, files)->pages[0].reported(), Outcome::Replaced);
        host.runMode = Mode::Remove;
        QCOMPARE(runBatch(host, files)->pages[0].reported(), Outcome::Removed);
        QCOMPARE(files.files["/site/a.htm"].text, Page);
        QCOMPARE(files.writes.size(), std::size_t(3));
    }

    void onePageReachedTwiceIsRewrittenOnce() {
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {"a.htm", "link.htm"});
        files.files["/site/link.htm"].identity = "/site/a.htm";
        const BatchResult result = *runBatch(host, files);
        QCOMPARE(result.pages[1].reported(), Outcome::Skipped);
        QCOMPARE(files.writes.size(), std::size_t(1));
    }

    void dryRunWritesNothing() {
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {"a.htm", "b.htm"});
        const BatchResult result = *runBatch(host, files, BatchOptions{true});
        QCOMPARE(result.count(Outcome::Inserted), std::size_t(2));
        QVERIFY(files.writes.empty());
    }

    void stopEndsTheRunAfterThePageInHand() {
        FakeHost host;
        FakeFiles files;
        addPages(host, files, {"a.htm", "b.htm", "c.htm"});
        host.stopAfter = 1;
        const BatchResult result = *runBatch(host, files);
        QVERIFY(result.stopped);
        QCOMPARE(result.pages.size(), std::size_t(1));
        QCOMPARE(files.writes.size(), std::size_t(1));
    }

    // A group's old texts are sealed in the journal before any of its pages takes
    // its new text; a journal that fails commits nothing more.
    void journalIsSealedBeforeTheGroupIsCommitted_data() {
        QTest::addColumn<QByteArray>("failKeep");
        QTest::addColumn<bool>("failSeal");
        QTest::addColumn<QByteArray>("events");
        QTest::addColumn<int>("written");
        QTest::newRow("kept, sealed, committed")
            << QByteArray() << false << QByteArray("keep a.htm,keep b.htm,seal,commit,keep c.htm,seal,commit")
            << 3;
        QTest::newRow("a seal that fails commits nothing")
            << QByteArray() << true << QByteArray("keep a.htm,keep b.htm,seal,discard") << 0;
        QTest::newRow("a page that cannot be kept ends the changes")
            << QByteArray("b.htm") << false << QByteArray("keep a.htm,keep b.htm,discard") << 0;
    }

    void journalIsSealedBeforeTheGroupIsCommitted() {
        QFETCH(QByteArray, failKeep);
        QFETCH(bool, failSeal);
        QFETCH(QByteArray, events);
        QFETCH(int, written);
        FakeHost host;
        FakeFiles files;
        files.groupSize = 2;
        std::vector<std::string> log;
        files.events = &log;
        FakeJournal journal(log);
        journal.failKeep = failKeep.toStdString();
        journal.failSeal = failSeal;
        addPages(host, files, {"a.htm", "b.htm", "c.htm"});
        BatchOptions options;
        options.journal = &journal;
        const BatchResult result = *runBatch(host, files, options);
        QByteArrayList got;
        for (const std::string& event : log)
            got << QByteArray::fromStdString(event);
        QCOMPARE(got.join(','), events);
        QCOMPARE(int(files.writes.size()), written);
        QCOMPARE(int(result.count(Outcome::Inserted)), written);
        QCOMPARE(int(result.count(Outcome::Failed)), 3 - written);
    }

    // Undo gives each page its old text only where it holds what the run wrote,
    // and keeps its own journal of what it restores.
    void undoTakesBackWhatTheRunWrote_data() {
        QTest::addColumn<QByteArray>("now");
        QTest::addColumn<bool>("intact");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("what the run wrote")
            << QByteArray("new") << true << false << Outcome::Restored << QByteArray("old");
        QTest::newRow("its old text already")
            << QByteArray("old") << true << false << Outcome::Unchanged << QByteArray("old");
        QTest::newRow("changed since")
            << QByteArray("mine") << true << false << Outcome::Skipped << QByteArray("mine");
        QTest::newRow("a journal line that cannot vouch")
            << QByteArray("new") << false << false << Outcome::Failed << QByteArray("new");
        QTest::newRow("an old text that fails its digest")
            << QByteArray("new") << true << true << Outcome::Failed << QByteArray("new");
        QTest::newRow("the page is gone") << QByteArray() << true << false << Outcome::Failed << QByteArray();
    }

    void undoTakesBackWhatTheRunWrote() {
        QFETCH(QByteArray, now);
        QFETCH(bool, intact);
        QFETCH(bool, damaged);
        QFETCH(Outcome, outcome);
        QFETCH(QByteArray, after);
        FakeFiles files;
        if (!now.isEmpty())
            files.files["/site/a.htm"].text = now.toStdString();
        std::vector<std::string> log;
        files.events = &log;
        FakeJournal journal(log);
        FakeRecord record;
        record.pages.push_back(FakeRecord::Page{
            "a.htm", "old", "new", intact ? Result<void>() : Failure{Failure::Kind::Journal, "a cut line"},
            damaged});
        RunSink sink;
        BatchOptions options;
        options.journal = &journal;
        const BatchResult result = *runUndo("/site", {}, record, sink, files, options);
        QCOMPARE(result.pages.at(0).reported(), outcome);
        if (!now.isEmpty())
            QCOMPARE(QByteArray::fromStdString(files.files["/site/a.htm"].text), after);
        const std::vector<std::string> kept{"keep a.htm", "seal", "commit"};
        QVERIFY(log == (outcome == Outcome::Restored ? kept : std::vector<std::string>()));
    }
};

QTEST_EACH_KERNEL_MAIN(TestBatchRun)
#include "tst_BatchRun.moc"
