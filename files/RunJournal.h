#pragma once

#include "engine/BatchRun.h"
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
// ~/.local/state/...; for root, root's own), its owner's alone (JournalFolder
// says what that takes). A run's folder holds `manifest` (one JSON object a
// line, each ending in a checksum of its own: the run, then each changed page
// with its old text's place, length and SHA-256 and its new text's SHA-256),
// `old.zst` (the old texts, a Zstandard frame each, made against the text the
// run wrote where that is smaller), `finished` once the run has ended, and
// `undone` or `partly` once a run took it back. A run holds its folder's lock
// from its start to its end.
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
    bool prefixed = false; // its frame was made against the new text
};

struct JournalRun {
    QString id;
    std::uint64_t sequence = 0; // the order the journal handed out; 0 in the first format
    QString time;               // UTC, ISO 8601
    QString command;            // insert, remove or undo
    QString website;
    QString protocol;      // normal or secure, where the command has one
    QByteArray folder;     // the chosen folder, absolute
    QByteArray typed;      // and as it was given, for display
    engine::FolderId root; // and its device and inode then
    QString undoes;        // an undo run: the run it took back
    QString undoneBy;      // the run that took this one back, if any
    QString partlyBy;      // the run that took back all but `left` of its pages
    std::size_t left = 0;
    bool finished = true; // ended, stopped or not; a run whose process died has not
    bool running = false; // its process holds its lock
    std::uint64_t bytes = 0;
    std::size_t changed = 0; // pages
};

// The runs the journal holds, in the order they were made: their headers and
// marks, with the pages they changed counted and the bytes they take. A folder
// that is not a well-formed run of the account's own is not one. Fails when the
// journal's folders are not safe; none yet is no run.
enum class Detail { Header, Counted };
engine::Result<std::vector<JournalRun>> journalRuns(Detail detail = Detail::Counted);

// The run an undo takes back when none is named: the newest that is neither
// undone nor an undo itself. Null when there is none.
const JournalRun* runToUndo(const std::vector<JournalRun>& runs);

class JournalReader;

// A run read back for undo: the one named, or the newest not undone; refused
// while it is running, and held (waiting for another undo of it) until the
// reader is gone.
engine::Result<std::unique_ptr<JournalReader>> openForUndo(const QString& id);

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
    // runs beyond the journal's limits are dropped. Fails when the record cannot
    // be marked finished (it can still be undone).
    engine::Result<void> finish();

    QString id() const;
    std::size_t pagesKept() const;

    struct State;

private:
    std::unique_ptr<State> m_state;
};

// A run's journal read back for undo, a page at a time.
class JournalReader final : public engine::JournalRecord {
public:
    struct State;
    explicit JournalReader(std::unique_ptr<State> state);
    ~JournalReader() override;
    JournalReader(const JournalReader&) = delete;
    JournalReader& operator=(const JournalReader&) = delete;

    const JournalRun& run() const;

    std::size_t pageCount() const override;
    bool nextPage(Page& page) override;
    Holds compare(std::string_view contents) const override;
    engine::Result<std::string> oldText(std::string_view current) override;
    engine::Journal::Digests digests() const override;

    // After `undo` took the run back with `result`: undone when every page holds
    // its old text (restored, or unchanged), else partly undone, with the pages
    // left. When the run was an undo itself and is undone, the run it had taken
    // back counts as not undone again.
    engine::Result<void> markTakenBack(const QString& undo, const engine::BatchResult& result);

private:
    std::unique_ptr<State> m_state;
};

} // namespace files
