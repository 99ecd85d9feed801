#pragma once

// The journal's own files as bytes: its lines and their checksums, shared by
// its writer, its reader and its list. Inside the file layer only.

#include "files/JournalFolder.h"
#include "files/RunJournal.h"

#include <QByteArray>

#include <optional>
#include <string_view>
#include <vector>

namespace files::journal {

constexpr auto Manifest = "manifest";
constexpr auto OldTexts = "old.zst";
constexpr auto Finished = "finished";
constexpr auto Undone = "undone";
constexpr auto Partly = "partly";

// The format this build writes; the first (no checksums, no sequence, plain
// frames) is still read.
constexpr int Format = 2;

// The largest window a reader allows: a frame made against the new text must
// reach back over it.
constexpr int WindowLog = 27;

// SHA-256 of the pieces one after another (32 bytes; empty if it cannot be had).
QByteArray sha256(const std::vector<std::string_view>& pieces);

// A line of the manifest: `body` is a JSON object without its closing brace;
// the line ends in a checksum of the body and a line feed.
QByteArray checkedLine(const QByteArray& body);
// The line without its checksum field when that matches, else nothing.
std::optional<QByteArray> verified(const QByteArray& line);

// The value after `key` in one of the journal's own page lines, which hold no
// escapes (paths are percent-encoded).
QByteArray valueOf(const QByteArray& line, const char* key);

// The manifest's first line for a run, and the run it describes (format 1 or 2,
// its checksum matching).
QByteArray headerLine(const JournalRun& run);
std::optional<JournalRun> readHeader(const QByteArray& line);

// A page line, and a page read from one (checked as its format asks).
QByteArray pageLine(const JournalPage& page);
std::optional<JournalPage> readPage(const QByteArray& line, int format);

// The run's marks from its folder: finished, undone, partly, and (unless this
// process holds it) whether its process still holds its lock.
void readMarks(JournalFolder& folder, JournalRun& run, bool probeLock = true);

// The journal's folders, opened and checked: made where missing when `create`.
engine::Result<std::unique_ptr<JournalFolder>> openJournal(bool create);

// A run's folder and its manifest's header, the folder still open.
struct OpenedRun {
    std::unique_ptr<JournalFolder> folder;
    std::unique_ptr<QFile> manifest; // positioned after the header
    JournalRun run;
};
std::optional<OpenedRun> openRun(const JournalFolder& journal, const QString& id);

// The reader of an opened run, whose folder's lock this process holds.
std::unique_ptr<JournalReader> readerFor(OpenedRun opened, std::unique_ptr<JournalFolder> journal);

// The runs the journal holds, in the order they were made (see journalRuns).
std::vector<JournalRun> listRuns(const JournalFolder& journal, Detail detail);

// A run that a finished undo run took back counts as undone by it even when its
// mark could not be written, so that it is not offered for undo twice. `runs`
// in the order they were made.
void takenBackByUndoRuns(std::vector<JournalRun>& runs);

// Reads the rest of a file a block at a time and counts its line feeds.
std::size_t countLines(QFile& file);

} // namespace files::journal
