#include "files/JournalFormat.h"
#include "files/RunJournal.h"

#include <zstd.h>

namespace files {

namespace {

using engine::Failure;

const Failure Damaged{Failure::Kind::Journal, "the journal's copy of this page is damaged"};

// The longest manifest line read: a page line with the longest path a system
// allows, percent-encoded, fits many times over.
constexpr qint64 LongestLine = 1 << 20;

} // namespace

struct JournalReader::State {
    std::unique_ptr<JournalFolder> journal;
    std::unique_ptr<JournalFolder> folder; // the run's, locked by this reader
    std::unique_ptr<QFile> manifest;       // at the next page line
    JournalRun run;
    int format = journal::Format;
    std::size_t expected = 0; // pages, as the finished mark says
    std::size_t count = 0;    // for progress
    std::size_t read = 0;     // page lines read so far
    bool ended = false;
    JournalPage page; // the page in hand

    std::unique_ptr<QFile> oldTexts;
    engine::Result<void> oldTextsOpened;
    ZSTD_DCtx* decompressor = nullptr;
    std::vector<char> in = std::vector<char>(ZSTD_DStreamInSize());
    // What of the file the input buffer holds: frames of small pages lie many to
    // a read.
    std::uint64_t bufferStart = 0;
    std::size_t bufferSize = 0;

    // The old texts' file, opened once: a file that is missing fails every page
    // with the same words.
    engine::Result<void> openOldTexts() {
        if (oldTexts || !oldTextsOpened)
            return oldTextsOpened;
        engine::Result<std::unique_ptr<QFile>> file =
            folder->file(journal::OldTexts, JournalFolder::Open::Read);
        decompressor = file ? ZSTD_createDCtx() : nullptr;
        if (!file || !decompressor) {
            oldTextsOpened = Failure{Failure::Kind::Journal,
                                     "the journal's copy of this page is missing: " +
                                         (file ? std::string("no memory to read it") : file.reason())};
            return oldTextsOpened;
        }
        oldTexts = std::move(*file);
        return {};
    }

    // The frame that begins at `offset` into `to`, which holds exactly its text;
    // the library checks the frame's checksum as it reaches its end.
    engine::Result<void> frame(std::uint64_t offset, std::string& to, std::string_view prefix) {
        const Failure ends{Failure::Kind::Journal, "the journal's copy of this page is missing: the journal "
                                                   "ends before it"};
        if (ZSTD_isError(ZSTD_DCtx_reset(decompressor, ZSTD_reset_session_only)) ||
            ZSTD_isError(ZSTD_DCtx_setParameter(decompressor, ZSTD_d_windowLogMax, journal::WindowLog)) ||
            (!prefix.empty() &&
             ZSTD_isError(ZSTD_DCtx_refPrefix(decompressor, prefix.data(), prefix.size()))))
            return Damaged;
        ZSTD_inBuffer input{in.data(), bufferSize, std::size_t(offset - bufferStart)};
        if (offset < bufferStart || offset >= bufferStart + bufferSize) {
            if (offset >= std::uint64_t(oldTexts->size()) || !oldTexts->seek(qint64(offset)))
                return ends;
            bufferStart = offset;
            bufferSize = 0;
            input = ZSTD_inBuffer{in.data(), 0, 0};
        }
        ZSTD_outBuffer output{to.data(), to.size(), 0};
        for (std::size_t left = 1; left != 0;) {
            if (input.pos == input.size) {
                const qint64 got = oldTexts->read(in.data(), qint64(in.size()));
                if (got <= 0)
                    return ends;
                bufferStart += bufferSize;
                bufferSize = std::size_t(got);
                input = ZSTD_inBuffer{in.data(), bufferSize, 0};
            }
            const std::size_t taken = input.pos;
            const std::size_t written = output.pos;
            left = ZSTD_decompressStream(decompressor, &output, &input);
            if (ZSTD_isError(left))
                return Damaged;
            // No room left and no progress: the frame holds more than the page did.
            if (left != 0 && output.pos == output.size && input.pos == taken && output.pos == written &&
                input.pos < input.size)
                return Damaged;
        }
        if (output.pos != output.size)
            return Damaged;
        return {};
    }

    // The next line of the manifest, as far as it is the run's.
    bool nextLine(Page& next) {
        const QByteArray line = manifest->readLine(LongestLine);
        if (line.isEmpty()) {
            // Lines missing at the end, that the finished mark counts.
            if (read < expected) {
                next = Page{"", Failure{Failure::Kind::Journal,
                                        "the journal lacks " + std::to_string(expected - read) +
                                            " page(s) of this run: its manifest was cut short"}};
                read = expected;
                return true;
            }
            return false;
        }
        // A run killed while writing a line had not changed that line's pages.
        if (!line.endsWith('\n') && !run.finished)
            return false;
        ++read;
        std::optional<JournalPage> parsed =
            line.endsWith('\n') ? journal::readPage(line, format) : std::nullopt;
        if (!parsed) {
            const std::string path =
                QByteArray::fromPercentEncoding(journal::valueOf(line, "path")).toStdString();
            next =
                Page{path.empty() ? "(line " + std::to_string(read + 1) + " of the journal)" : path, Damaged};
            page = JournalPage{};
            return true;
        }
        page = std::move(*parsed);
        next = Page{page.path, {}};
        return true;
    }
};

namespace journal {

std::unique_ptr<JournalReader> readerFor(OpenedRun opened, std::unique_ptr<JournalFolder> journal) {
    auto state = std::make_unique<JournalReader::State>();
    state->journal = std::move(journal);
    state->folder = std::move(opened.folder);
    state->manifest = std::move(opened.manifest);
    state->run = std::move(opened.run);
    state->format = state->run.sequence == 0 ? 1 : Format;
    if (engine::Result<std::unique_ptr<QFile>> mark =
            state->folder->file(Finished, JournalFolder::Open::Read))
        state->expected = QByteArray((*mark)->read(64)).trimmed().mid(6).toULongLong();
    // The lines are counted first, for progress, and the manifest read again.
    const qint64 pages = state->manifest->pos();
    state->count = std::max(countLines(*state->manifest), state->expected);
    state->manifest->seek(pages);
    state->run.changed = state->count;
    return std::make_unique<JournalReader>(std::move(state));
}

} // namespace journal

JournalReader::JournalReader(std::unique_ptr<State> state)
    : m_state(std::move(state)) {}

JournalReader::~JournalReader() {
    ZSTD_freeDCtx(m_state->decompressor);
}

const JournalRun& JournalReader::run() const {
    return m_state->run;
}

std::size_t JournalReader::pageCount() const {
    return m_state->count;
}

bool JournalReader::nextPage(Page& page) {
    State& s = *m_state;
    if (s.ended)
        return false;
    s.ended = !s.nextLine(page);
    return !s.ended;
}

engine::JournalRecord::Holds JournalReader::compare(std::string_view contents) const {
    const JournalPage& entry = m_state->page;
    const QByteArray digest = journal::sha256({contents});
    if (digest == entry.newSha)
        return Holds::WhatTheRunWrote;
    return digest == entry.oldSha && contents.size() == entry.length ? Holds::WhatItHeldBefore
                                                                     : Holds::SomethingElse;
}

engine::Journal::Digests JournalReader::digests() const {
    const JournalPage& entry = m_state->page;
    return {entry.oldSha.toStdString(), entry.newSha.toStdString()};
}

engine::Result<std::string> JournalReader::oldText(std::string_view current) {
    State& s = *m_state;
    const JournalPage& entry = s.page;
    if (const engine::Result<void> opened = s.openOldTexts(); !opened)
        return opened.failure();
    std::string text(entry.length, '\0');
    // A frame made against the new text reads with it, which the caller has
    // checked is what the run wrote.
    if (engine::Result<void> read =
            s.frame(entry.offset, text, entry.prefixed ? current : std::string_view());
        !read)
        return read.failure();
    // No page gets a text the journal cannot vouch for.
    if (journal::sha256({text}) != entry.oldSha)
        return Damaged;
    return text;
}

engine::Result<void> JournalReader::markTakenBack(const QString& undo, const engine::BatchResult& result) {
    State& s = *m_state;
    using engine::Outcome;
    const std::size_t back = result.count(Outcome::Restored) + result.count(Outcome::Unchanged);
    const std::size_t left = result.stopped
                                 ? std::max(s.count, s.read) - std::min(back, std::max(s.count, s.read))
                                 : result.count(Outcome::Skipped) + result.count(Outcome::Failed);
    const auto cannot = [&](const std::string& why) {
        return Failure{Failure::Kind::Journal,
                       "the run " + s.run.id.toStdString() + " cannot be marked undone: " + why};
    };
    const char* mark = left == 0 ? journal::Undone : journal::Partly;
    engine::Result<std::unique_ptr<QFile>> file = s.folder->file(mark, JournalFolder::Open::Replace);
    if (!file)
        return cannot(file.reason());
    const QByteArray text =
        undo.toUtf8() + (left == 0 ? QByteArray() : ' ' + QByteArray::number(qulonglong(left))) + '\n';
    if ((*file)->write(text) != text.size() || !(*file)->flush())
        return cannot(writeFailure(**file).toStdString());
    file->reset();
    // A mark of the other kind left beside it would say something else.
    if (!s.folder->remove(left == 0 ? journal::Partly : journal::Undone))
        return cannot("its earlier mark cannot be removed");
    if (!s.folder->sync())
        return cannot("its mark may not have reached the disk");
    if (left == 0 && s.run.command == QLatin1String("undo") && !s.run.undoes.isEmpty()) {
        // The run this one took back counts as done again.
        engine::Result<std::unique_ptr<JournalFolder>> before = s.journal->folder(s.run.undoes);
        // A run pruned from the journal since has no mark to take away.
        if (!before && before.kind() == Failure::Kind::NotFound)
            return {};
        if (!before || !(*before)->remove(journal::Undone) || !(*before)->remove(journal::Partly) ||
            !(*before)->sync())
            return Failure{Failure::Kind::Journal,
                           "the run " + s.run.undoes.toStdString() + " cannot be marked as not undone again"};
    }
    return {};
}

} // namespace files
