#pragma once

#include "engine/Journal.h"
#include "engine/PageFiles.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace files {

// The journal keeps what each run changed, so that the run can be taken back:
// a folder per run under $XDG_STATE_HOME/code-inserter/journal (by default
// ~/.local/state/...; for root, root's own), readable by its owner alone. A run's
// folder holds `manifest` (one JSON object a line: the run, then each changed
// page with its old text's place, length and SHA-256 and its new text's SHA-256)
// and `old.zst`, the old texts as one Zstandard stream. `undone` names the run
// that took it back.
QString journalFolder();

// The newest runs kept, and the most they may take on disk in all (a run that
// alone takes more keeps everything it holds).
constexpr int JournalRuns = 20;
constexpr std::uint64_t JournalBytes = std::uint64_t(1) << 30;

struct JournalPage {
    std::string path; // beneath the run's folder, '/' between folders
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    QByteArray oldSha; // SHA-256, 32 bytes
    QByteArray newSha;
};

struct JournalRun {
    QString id;
    QString time;    // UTC, ISO 8601
    QString command; // insert, remove or undo
    QString website;
    QString protocol;      // normal or secure, where the command has one
    QByteArray folder;     // the chosen folder as it was given
    engine::FolderId root; // and its device and inode then
    QString undoes;        // an undo run: the run it took back
    QString undoneBy;      // the run that took this one back, if any
    std::uint64_t bytes = 0;
    std::size_t changed = 0;        // pages
    std::vector<JournalPage> pages; // those made durable before their renames
};

// The runs the journal holds, oldest first: their headers and marks, with the
// pages they changed counted and the bytes they take, or with their pages.
enum class Detail { Header, Counted, Pages };
std::vector<JournalRun> journalRuns(Detail detail = Detail::Counted);
// One run with its pages; fails when it is not there or cannot be read.
engine::Result<JournalRun> journalRun(const QString& id);

// The run an undo takes back when none is named: the newest that is neither
// undone nor an undo itself. Null when there is none.
const JournalRun* runToUndo(const std::vector<JournalRun>& runs);

// After `undo` took `run` back: `run` is marked undone by `undo`, and when `run`
// was an undo itself, the run it had taken back counts as done again.
void markUndone(const JournalRun& run, const QString& undo);

// A run's journal as it is written. Failures come as whole reasons; `hint` (such
// as "use --no-journal") ends those that stop the run.
class JournalWriter final : public engine::Journal {
public:
    explicit JournalWriter(std::string hint);
    ~JournalWriter() override;
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Makes the run's folder and writes its header, before any page is touched.
    // Fails with a sentence that says why the run cannot start.
    engine::Result<void> begin(const JournalRun& header);

    engine::Result<void> keep(const std::string& path, std::string_view oldText,
                              const std::vector<std::string_view>& newText,
                              const Digests* known = nullptr) override;
    engine::Result<void> seal() override;

    // Ends the run's record: a run that changed no page leaves none, and the oldest
    // runs beyond the journal's limits are dropped.
    void finish();

    QString id() const;
    std::size_t pagesKept() const;

    struct State;

private:
    std::unique_ptr<State> m_state;
};

// A run's journal read back for undo.
class JournalReader final : public engine::JournalRecord {
public:
    explicit JournalReader(JournalRun run);
    ~JournalReader() override;
    JournalReader(const JournalReader&) = delete;
    JournalReader& operator=(const JournalReader&) = delete;

    const JournalRun& run() const;

    std::size_t pageCount() const override;
    std::string pagePath(std::size_t page) const override;
    Holds compare(std::size_t page, std::string_view contents) const override;
    engine::Result<std::string> oldText(std::size_t page) override;
    engine::Journal::Digests digests(std::size_t page) const override;

    struct State;

private:
    std::unique_ptr<State> m_state;
};

} // namespace files
