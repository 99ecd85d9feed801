#include "files/JournalFormat.h"
#include "files/JournalSystem.h"
#include "files/Names.h"
#include "files/RunJournal.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <zstd.h>

namespace files {

namespace {

using engine::Failure;

// The folder, or the nearest folder above it that exists, made canonical, with
// the rest of the path after it.
QString canonicalBeyond(const QString& path) {
    QString existing = QDir::cleanPath(path);
    QString rest;
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath() && !existing.isEmpty()) {
        const qsizetype slash = existing.lastIndexOf(QLatin1Char('/'));
        rest = existing.mid(slash) + rest;
        existing = slash <= 0 ? QDir::rootPath() : existing.left(slash);
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((canonical.isEmpty() ? existing : canonical) + rest);
}

bool isInside(const QString& path, const QString& folder) {
    if (folder.isEmpty())
        return false;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path == folder || path.startsWith(prefix);
}

// A sentence from words that may begin in lower case.
std::string sentence(std::string words) {
    if (!words.empty())
        words[0] = char(std::toupper(static_cast<unsigned char>(words[0])));
    return words;
}

} // namespace

struct JournalWriter::State {
    std::string hint;
    std::unique_ptr<JournalFolder> journal;
    std::unique_ptr<JournalFolder> folder; // the run's, locked while the run goes
    QString id;
    std::unique_ptr<QFile> manifest;
    std::unique_ptr<QFile> oldTexts;
    ZSTD_CCtx* compressor = nullptr;
    std::vector<char> out = std::vector<char>(ZSTD_CStreamOutSize());
    std::string newText;      // the new text in one piece, when it comes in several
    std::string frame;        // a frame made against the new text
    std::uint64_t offset = 0; // where the next frame begins in the file
    QByteArray lines;         // the pages kept since the last seal
    std::size_t keptSinceSeal = 0;
    std::size_t sealed = 0;
    engine::Result<void> written; // fails from the first write that failed on

    engine::Failure failed(const QString& why) {
        if (written)
            written = engine::Failure{engine::Failure::Kind::Journal,
                                      "the journal cannot be written: " + why.toStdString() +
                                          (hint.empty() ? "" : "; " + hint)};
        return written.failure();
    }
    bool writeOut(const char* data, std::size_t size) {
        if (size != 0 && oldTexts->write(data, qint64(size)) != qint64(size))
            return false;
        offset += size;
        return true;
    }
    // The run's two files, its compressor and its header line, in its new folder.
    engine::Result<void> open(JournalRun& run) {
        engine::Result<std::unique_ptr<QFile>> made =
            folder->file(journal::Manifest, JournalFolder::Open::Create);
        if (!made)
            return made.failure();
        manifest = std::move(*made);
        made = folder->file(journal::OldTexts, JournalFolder::Open::Create);
        if (!made)
            return made.failure();
        oldTexts = std::move(*made);
        compressor = ZSTD_createCCtx();
        if (!compressor || ZSTD_isError(ZSTD_CCtx_setParameter(compressor, ZSTD_c_compressionLevel, 1)) ||
            ZSTD_isError(ZSTD_CCtx_setParameter(compressor, ZSTD_c_checksumFlag, 1)))
            return Failure{Failure::Kind::Journal, "the compressor cannot be set up"};
        run.time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
        const QByteArray text = journal::headerLine(run);
        if (manifest->write(text) != text.size() || !journal::syncFile(*manifest))
            return Failure{Failure::Kind::Journal, writeFailure(*manifest).toStdString()};
        return {};
    }
    // The text as a plain frame of its own, which carries its checksum.
    bool compress(std::string_view text) {
        // Told the size, the library fits its tables to the page: small pages start quickly.
        if (ZSTD_isError(ZSTD_CCtx_setParameter(compressor, ZSTD_c_windowLog, 0)) ||
            ZSTD_isError(ZSTD_CCtx_setPledgedSrcSize(compressor, text.size())))
            return false;
        ZSTD_inBuffer in{text.data(), text.size(), 0};
        for (;;) {
            ZSTD_outBuffer buffer{out.data(), out.size(), 0};
            const std::size_t left = ZSTD_compressStream2(compressor, &buffer, &in, ZSTD_e_end);
            if (ZSTD_isError(left) || !writeOut(out.data(), buffer.pos))
                return false;
            if (left == 0)
                return true;
        }
    }
    // The text as a frame made against the new one, which it mostly repeats:
    // kept in memory while it stays small, so that a page that was mostly
    // rewritten gets a plain frame instead. False when that is so.
    // Whether a frame of `size` bytes made against `prefix` bytes fits the window
    // a reader allows.
    static bool reaches(std::size_t size, std::size_t prefix) {
        return size + prefix + 1024 < (std::size_t(1) << journal::WindowLog);
    }
    bool compressAgainst(std::string_view text, std::string_view prefix) {
        const std::size_t reach = text.size() + prefix.size() + 1024;
        const std::size_t cap = std::max<std::size_t>(1024, std::min<std::size_t>(text.size() / 8, 4 << 20));
        frame.resize(cap);
        const int windowLog = std::max(10, int(std::bit_width(reach)));
        if (ZSTD_isError(ZSTD_CCtx_setParameter(compressor, ZSTD_c_windowLog, windowLog)) ||
            ZSTD_isError(ZSTD_CCtx_refPrefix(compressor, prefix.data(), prefix.size())))
            return false;
        const std::size_t made = ZSTD_compress2(compressor, frame.data(), cap, text.data(), text.size());
        // Whatever happened, the next frame starts afresh.
        ZSTD_CCtx_reset(compressor, ZSTD_reset_session_only);
        if (ZSTD_isError(made))
            return false;
        frame.resize(made);
        return true;
    }
};

JournalWriter::JournalWriter(std::string hint)
    : m_state(std::make_unique<State>()) {
    m_state->hint = std::move(hint);
}

JournalWriter::~JournalWriter() {
    ZSTD_freeCCtx(m_state->compressor);
}

QString JournalWriter::id() const {
    return m_state->id;
}

std::size_t JournalWriter::pagesKept() const {
    return m_state->sealed;
}

namespace {

// A folder of its own for a run in the journal: named by the time it began,
// numbered after the runs of the same second.
engine::Result<std::unique_ptr<JournalFolder>> makeRunFolder(const JournalFolder& journal, QString& id) {
    const QString time = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    int last = 0;
    for (const QString& name : journal.folders()) {
        if (name.startsWith(time))
            last = std::max(last, name == time ? 1 : name.mid(16).toInt());
    }
    for (int n = last + 1; n < last + 1000; ++n) {
        id = n == 1 ? time : time + QLatin1Char('-') + QString::number(n);
        engine::Result<std::unique_ptr<JournalFolder>> made = journal.makeFolder(id);
        if (made || made.kind() != Failure::Kind::System) // System: the name is taken
            return made;
    }
    return Failure{Failure::Kind::Journal, "a folder for the run cannot be created there"};
}

// The next number in the journal's order: one past the newest run's.
std::uint64_t nextSequence(const JournalFolder& journal) {
    std::uint64_t last = 0;
    for (const JournalRun& run : journal::listRuns(journal, Detail::Header))
        last = std::max(last, run.sequence);
    return last + 1;
}

} // namespace

engine::Result<void> JournalWriter::begin(const JournalRun& header) {
    State& s = *m_state;
    const QString journalPath = journalFolder();
    const QString site = QFileInfo(files::decodeName(header.folder)).canonicalFilePath();
    if (isInside(canonicalBeyond(journalPath), site))
        return Failure{
            Failure::Kind::Journal,
            "The journal folder " + QDir::toNativeSeparators(journalPath).toStdString() +
                " lies inside the chosen folder, where the site would serve it: no page was changed. "
                "Set XDG_STATE_HOME to a folder outside the site" +
                (s.hint.empty() ? std::string(".") : ", or " + s.hint + ".")};
    const auto cannot = [&](const std::string& why) {
        return Failure{Failure::Kind::Journal, "The journal cannot be made in " +
                                                   QDir::toNativeSeparators(journalPath).toStdString() +
                                                   ": " + why + ". No page was changed." +
                                                   (s.hint.empty() ? "" : " " + sentence(s.hint) + ".")};
    };
    engine::Result<std::unique_ptr<JournalFolder>> journal = journal::openJournal(true);
    // A folder that is not the account's own is no journal to write in, and no
    // advice to do without one is given.
    if (!journal && journal.reason().find("is not safe") != std::string::npos)
        return Failure{Failure::Kind::Journal, sentence(journal.reason()) + ". No page was changed."};
    if (!journal)
        return cannot(journal.reason());
    s.journal = std::move(*journal);
    // One run at a time takes its number and folder. A waiting lock fails only on
    // a handle that is not open, which the open above rules out.
    (void)s.journal->lock(true);
    JournalRun run = header;
    run.sequence = nextSequence(*s.journal);
    engine::Result<std::unique_ptr<JournalFolder>> folder = makeRunFolder(*s.journal, run.id);
    if (!folder) {
        s.journal->unlock();
        return cannot(folder.reason());
    }
    s.folder = std::move(*folder);
    s.id = run.id;
    // The folder was made just now, under the journal's lock: nobody else holds it.
    (void)s.folder->lock(false);
    const engine::Result<void> made = s.open(run);
    s.journal->unlock();
    if (!made)
        return cannot(made.reason());
    return {};
}

engine::Result<void> JournalWriter::keep(const std::string& path, std::string_view oldText,
                                         const std::vector<std::string_view>& newText, const Digests* known) {
    State& s = *m_state;
    if (!s.written)
        return s.written;
    std::size_t size = 0;
    for (const std::string_view piece : newText)
        size += piece.size();
    // The new text in one piece, where a frame can reach back over it: a page too
    // large for that is never held twice.
    std::string_view written;
    const bool reachable = State::reaches(oldText.size(), size);
    if (newText.size() == 1) {
        written = newText.front();
    } else if (reachable) {
        s.newText.clear();
        s.newText.reserve(size);
        for (const std::string_view piece : newText)
            s.newText.append(piece);
        written = s.newText;
    }
    JournalPage page;
    page.path = path;
    page.offset = s.offset;
    page.length = oldText.size();
    page.prefixed = reachable && s.compressAgainst(oldText, written);
    if (page.prefixed ? !s.writeOut(s.frame.data(), s.frame.size()) : !s.compress(oldText))
        return s.failed(writeFailure(*s.oldTexts));
    // A large page's copy is not kept for the small ones after it.
    if (s.newText.capacity() > (std::size_t(1) << 20))
        std::string().swap(s.newText);
    page.oldSha = known ? QByteArray::fromStdString(known->oldText) : journal::sha256({oldText});
    page.newSha = known ? QByteArray::fromStdString(known->newText) : journal::sha256(newText);
    s.lines += journal::pageLine(page);
    ++s.keptSinceSeal;
    return {};
}

engine::Result<void> JournalWriter::seal() {
    State& s = *m_state;
    if (!s.written)
        return s.written;
    if (s.keptSinceSeal == 0)
        return {};
    // The old texts first: a page the manifest names has its old text on disk.
    if (s.manifest->write(s.lines) != s.lines.size())
        return s.failed(writeFailure(*s.manifest));
    if (!journal::syncBoth(*s.oldTexts, *s.manifest))
        return s.failed(writeFailure(*s.manifest));
    // Before the first page takes its new text, the run's folder is on the disk
    // too: a run whose record may be lost in a crash changes no page.
    if (s.sealed == 0 && !(s.folder->sync() && s.journal->sync()))
        return s.failed(QStringLiteral("its folder may not have reached the disk"));
    s.lines.clear();
    s.sealed += s.keptSinceSeal;
    s.keptSinceSeal = 0;
    return {};
}

namespace {

// The oldest runs go first, until the journal is within its limits; the run
// `kept` stays, however large it is, and so does any run still going.
void prune(JournalFolder& journal, const QString& kept) {
    std::vector<JournalRun> runs = journal::listRuns(journal, Detail::Header);
    std::uint64_t total = 0;
    for (const JournalRun& run : runs)
        total += run.bytes;
    std::size_t count = runs.size();
    for (const JournalRun& run : runs) {
        if (count <= std::size_t(JournalRuns) && total <= JournalBytes)
            break;
        if (run.id == kept)
            break;
        if (run.running)
            continue;
        journal.removeFolder(run.id);
        total -= run.bytes;
        --count;
    }
}

} // namespace

engine::Result<void> JournalWriter::finish() {
    State& s = *m_state;
    if (!s.folder)
        return {};
    s.manifest.reset();
    s.oldTexts.reset();
    if (s.sealed == 0) {
        s.folder.reset();
        s.journal->removeFolder(s.id);
        s.journal.reset();
        return {};
    }
    // The mark says how many pages the run kept, so that a manifest cut short is
    // known. A run without it looks as if its process died: it is still undone
    // page by page, but `runs` says it ended without finishing.
    engine::Result<void> marked;
    engine::Result<std::unique_ptr<QFile>> mark =
        s.folder->file(journal::Finished, JournalFolder::Open::Replace);
    const QByteArray text = "pages " + QByteArray::number(qulonglong(s.sealed)) + '\n';
    if (!mark)
        marked = Failure{Failure::Kind::Journal, mark.reason()};
    else if ((*mark)->write(text) != text.size() || !journal::syncFile(**mark) || !s.folder->sync())
        marked = Failure{Failure::Kind::Journal, writeFailure(**mark).toStdString()};
    s.folder.reset();            // and with it the run's lock
    (void)s.journal->lock(true); // as in begin()
    prune(*s.journal, s.id);
    s.journal->unlock();
    // Pruning only removes: a removal lost in a crash leaves an old run a while longer.
    (void)s.journal->sync();
    s.journal.reset();
    if (!marked)
        return Failure{Failure::Kind::Journal, "the journal of run " + s.id.toStdString() +
                                                   " cannot be marked finished: " + marked.reason()};
    return {};
}

} // namespace files
