#include "files/RunJournal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <zstd.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#endif

namespace files {

namespace {

constexpr auto Manifest = "manifest";
constexpr auto OldTexts = "old.zst";
constexpr auto Undone = "undone";
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions OwnerFolder = OwnerOnly | QFileDevice::ExeOwner;

QString inRun(const QString& id, const char* name) {
    return journalFolder() + QLatin1Char('/') + id + QLatin1Char('/') + QLatin1String(name);
}

// SHA-256 of the pieces one after another: libcrypto's, which uses the
// processor's own instructions where it has them. The digest is fetched once and
// each thread keeps its context.
QByteArray sha256(const std::vector<std::string_view>& pieces) {
    static const EVP_MD* const digest = [] {
        // No configuration file of the system's is read: nothing beyond the digest is wanted.
        OPENSSL_init_crypto(OPENSSL_INIT_NO_LOAD_CONFIG, nullptr);
        return EVP_MD_fetch(nullptr, "SHA256", nullptr);
    }();
    thread_local const std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> context(EVP_MD_CTX_new(),
                                                                                  EVP_MD_CTX_free);
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    bool ok = digest && context && EVP_DigestInit_ex(context.get(), digest, nullptr) == 1;
    for (const std::string_view piece : pieces)
        ok = ok && EVP_DigestUpdate(context.get(), piece.data(), piece.size()) == 1;
    ok = ok && EVP_DigestFinal_ex(context.get(), out, &length) == 1;
    return ok ? QByteArray(reinterpret_cast<const char*>(out), int(length)) : QByteArray();
}

// Data and the folder entry that names it reach the disk.
bool syncFile(QFile& file) {
#ifdef Q_OS_UNIX
    return ::fdatasync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

// Both files of a run's journal reach the disk. On Linux one sync of their file
// system does it, and it also writes out the pages staged there, which the page
// files would sync next in any case.
bool syncBoth(QFile& first, QFile& second) {
#ifdef Q_OS_LINUX
    return ::syncfs(first.handle()) == 0 || (syncFile(first) && syncFile(second));
#else
    return syncFile(first) && syncFile(second);
#endif
}

void syncFolder(const QString& path) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)path;
#endif
}

bool isRoot() {
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

uint runner() {
#ifdef Q_OS_UNIX
    return ::geteuid();
#else
    return uint(-2);
#endif
}

QString homeFolder() {
#ifdef Q_OS_UNIX
    // Root's journal is root's own, whatever home the account it came from left set.
    if (isRoot()) {
        if (const passwd* entry = ::getpwuid(0); entry && entry->pw_dir)
            return QFile::decodeName(entry->pw_dir);
    }
#endif
    return QDir::homePath();
}

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

// Makes the folder and those above it that are missing, each readable by its owner alone.
bool makeFolders(const QString& path) {
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path && !makeFolders(parent))
        return false;
    return QDir().mkdir(path, OwnerFolder) || QFileInfo(path).isDir();
}

// Runs' folders sort by the time in their names, then by the number after it.
bool earlier(const QString& a, const QString& b) {
    const QString timeA = a.left(15);
    const QString timeB = b.left(15);
    if (timeA != timeB)
        return timeA < timeB;
    return a.mid(16).toInt() < b.mid(16).toInt();
}

std::uint64_t folderBytes(const QString& path) {
    std::uint64_t bytes = 0;
    for (const QFileInfo& file : QDir(path).entryInfoList(QDir::Files | QDir::Hidden))
        bytes += std::uint64_t(file.size());
    return bytes;
}

// The value after `key` in one of the journal's own page lines, which hold no
// escapes (paths are percent-encoded): read directly, not as JSON, since a run
// may have a million of them.
QByteArray valueOf(const QByteArray& line, const char* key) {
    const QByteArray tag = QByteArray("\"") + key + "\":";
    const qsizetype at = line.indexOf(tag);
    if (at < 0)
        return {};
    qsizetype from = at + tag.size();
    const bool quoted = from < line.size() && line[from] == '"';
    from += quoted ? 1 : 0;
    qsizetype end = from;
    while (end < line.size() && line[end] != (quoted ? '"' : ',') && line[end] != '}')
        ++end;
    return line.mid(from, end - from);
}

// The run's pages, as far as their lines are whole: a line cut short by a run
// that was killed while writing it is not the run's.
void readPages(QFile& manifest, JournalRun& run) {
    while (!manifest.atEnd()) {
        const QByteArray line = manifest.readLine();
        if (!line.endsWith('\n'))
            break;
        JournalPage page;
        page.path = QByteArray::fromPercentEncoding(valueOf(line, "path")).toStdString();
        page.offset = valueOf(line, "offset").toULongLong();
        page.length = valueOf(line, "length").toULongLong();
        page.oldSha = QByteArray::fromHex(valueOf(line, "old_sha256"));
        page.newSha = QByteArray::fromHex(valueOf(line, "new_sha256"));
        if (page.path.empty() || page.oldSha.size() != 32 || page.newSha.size() != 32)
            break;
        run.pages.push_back(std::move(page));
    }
    run.changed = run.pages.size();
}

engine::Result<JournalRun> readRun(const QString& id, Detail detail) {
    const auto unreadable = [&] {
        return engine::Failure{engine::Failure::Kind::Journal,
                               "the run " + id.toStdString() + " cannot be read from the journal"};
    };
    QFile manifest(inRun(id, Manifest));
    if (!manifest.open(QIODevice::ReadOnly))
        return unreadable();
    const QJsonObject header = QJsonDocument::fromJson(manifest.readLine()).object();
    if (header.value(QLatin1String("format")).toInt() != 1)
        return unreadable();
    JournalRun run;
    run.id = id;
    run.time = header.value(QLatin1String("time")).toString();
    run.command = header.value(QLatin1String("command")).toString();
    run.website = header.value(QLatin1String("website")).toString();
    run.protocol = header.value(QLatin1String("protocol")).toString();
    run.folder = QByteArray::fromPercentEncoding(header.value(QLatin1String("folder")).toString().toLatin1());
    run.root.device = std::uint64_t(header.value(QLatin1String("device")).toInteger());
    run.root.inode = std::uint64_t(header.value(QLatin1String("inode")).toInteger());
    run.undoes = header.value(QLatin1String("undoes")).toString();
    if (detail == Detail::Pages)
        readPages(manifest, run);
    else if (detail == Detail::Counted)
        run.changed = std::size_t(manifest.readAll().count('\n'));
    QFile undone(inRun(id, Undone));
    if (undone.open(QIODevice::ReadOnly))
        run.undoneBy = QString::fromUtf8(undone.readAll()).trimmed();
    if (detail != Detail::Header)
        run.bytes = folderBytes(journalFolder() + QLatin1Char('/') + id);
    return run;
}

std::vector<QString> runIds() {
    QStringList names = QDir(journalFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::vector<QString> ids(names.begin(), names.end());
    std::sort(ids.begin(), ids.end(), earlier);
    return ids;
}

} // namespace

QString journalFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A root run uses a state folder that was set only when root owns it.
    if (state.isEmpty() || QDir::isRelativePath(state) ||
        (isRoot() && QFileInfo::exists(state) && QFileInfo(state).ownerId() != 0))
        state = homeFolder() + QLatin1String("/.local/state");
    return QDir::cleanPath(state + QLatin1String("/code-inserter/journal"));
}

engine::Result<JournalRun> journalRun(const QString& id) {
    return readRun(id, Detail::Pages);
}

std::vector<JournalRun> journalRuns(Detail detail) {
    std::vector<JournalRun> runs;
    for (const QString& id : runIds()) {
        if (engine::Result<JournalRun> run = readRun(id, detail))
            runs.push_back(std::move(*run));
    }
    return runs;
}

const JournalRun* runToUndo(const std::vector<JournalRun>& runs) {
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        if (run->command != QLatin1String("undo") && run->undoneBy.isEmpty())
            return &*run;
    }
    return nullptr;
}

void markUndone(const JournalRun& run, const QString& undo) {
    QFile mark(inRun(run.id, Undone));
    if (mark.open(QIODevice::WriteOnly | QIODevice::Truncate, OwnerOnly)) {
        mark.write(undo.toUtf8() + '\n');
        syncFile(mark);
    }
    if (run.command == QLatin1String("undo") && !run.undoes.isEmpty())
        QFile::remove(inRun(run.undoes, Undone));
    syncFolder(journalFolder() + QLatin1Char('/') + run.id);
}

// --- Writing -----------------------------------------------------------------

struct JournalWriter::State {
    std::string hint;
    QString folder; // the run's
    QString id;
    QFile manifest;
    QFile oldTexts;
    ZSTD_CCtx* compressor = nullptr;
    std::vector<char> out = std::vector<char>(ZSTD_CStreamOutSize());
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
    bool writeOut(const ZSTD_outBuffer& buffer) {
        if (buffer.pos != 0 &&
            oldTexts.write(static_cast<const char*>(buffer.dst), qint64(buffer.pos)) != qint64(buffer.pos))
            return false;
        offset += buffer.pos;
        return true;
    }
    // The text as a frame of its own, which carries its checksum.
    bool compress(std::string_view text) {
        // Told the size, the library fits its tables to the page: small pages start quickly.
        if (ZSTD_isError(ZSTD_CCtx_setPledgedSrcSize(compressor, text.size())))
            return false;
        ZSTD_inBuffer in{text.data(), text.size(), 0};
        for (;;) {
            ZSTD_outBuffer buffer{out.data(), out.size(), 0};
            const std::size_t left = ZSTD_compressStream2(compressor, &buffer, &in, ZSTD_e_end);
            if (ZSTD_isError(left) || !writeOut(buffer))
                return false;
            if (left == 0)
                return true;
        }
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
// numbered after the runs of the same second (a name freed by dropping an old run
// is not taken again).
engine::Result<QString> makeRunFolder(const QString& journal) {
    const engine::Failure none{engine::Failure::Kind::Journal,
                               "a folder for the run cannot be created there"};
    const QString time = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    int last = 0;
    for (const QString& name : QDir(journal).entryList({time + QLatin1Char('*')}, QDir::Dirs))
        last = std::max(last, name == time ? 1 : name.mid(16).toInt());
    for (int n = last + 1; n < last + 1000; ++n) {
        const QString id = n == 1 ? time : time + QLatin1Char('-') + QString::number(n);
        if (QDir().mkdir(journal + QLatin1Char('/') + id, OwnerFolder))
            return id;
        if (!QFileInfo::exists(journal + QLatin1Char('/') + id))
            return none;
    }
    return none;
}

// The manifest's first line: what the run is.
QByteArray headerLine(const QString& id, const JournalRun& header) {
    QJsonObject line{{QStringLiteral("format"), 1},
                     {QStringLiteral("id"), id},
                     {QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
                     {QStringLiteral("command"), header.command},
                     {QStringLiteral("folder"), QString::fromLatin1(header.folder.toPercentEncoding("/"))},
                     {QStringLiteral("device"), qint64(header.root.device)},
                     {QStringLiteral("inode"), qint64(header.root.inode)}};
    if (!header.website.isEmpty())
        line.insert(QStringLiteral("website"), header.website);
    if (!header.protocol.isEmpty())
        line.insert(QStringLiteral("protocol"), header.protocol);
    if (!header.undoes.isEmpty())
        line.insert(QStringLiteral("undoes"), header.undoes);
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

engine::Result<void> JournalWriter::begin(const JournalRun& header) {
    using engine::Failure;
    State& s = *m_state;
    const QString journal = journalFolder();
    const QString site = QFileInfo(QFile::decodeName(header.folder)).canonicalFilePath();
    if (isInside(canonicalBeyond(journal), site))
        return Failure{
            Failure::Kind::Journal,
            "The journal folder " + QDir::toNativeSeparators(journal).toStdString() +
                " lies inside the chosen folder, where the site would serve it: no page was changed. "
                "Set XDG_STATE_HOME to a folder outside the site" +
                (s.hint.empty() ? std::string(".") : ", or " + s.hint + ".")};
    const auto cannot = [&](const QString& why) {
        return Failure{Failure::Kind::Journal, "The journal cannot be made in " +
                                                   QDir::toNativeSeparators(journal).toStdString() + ": " +
                                                   why.toStdString() + ". No page was changed." +
                                                   (s.hint.empty() ? "" : " " + s.hint + ".")};
    };
    if (!makeFolders(journal))
        return cannot(QStringLiteral("the folder cannot be created"));
    if (QFileInfo(journal).ownerId() != runner() && runner() != uint(-2))
        return cannot(QStringLiteral("the folder belongs to another account"));
    const engine::Result<QString> id = makeRunFolder(journal);
    if (!id)
        return cannot(QString::fromStdString(id.reason()));
    s.id = *id;
    s.folder = journal + QLatin1Char('/') + s.id;
    s.manifest.setFileName(s.folder + QLatin1Char('/') + QLatin1String(Manifest));
    s.oldTexts.setFileName(s.folder + QLatin1Char('/') + QLatin1String(OldTexts));
    const auto mode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    if (!s.manifest.open(mode, OwnerOnly) || !s.oldTexts.open(mode, OwnerOnly))
        return cannot(s.manifest.isOpen() ? s.oldTexts.errorString() : s.manifest.errorString());
    s.compressor = ZSTD_createCCtx();
    if (!s.compressor || ZSTD_isError(ZSTD_CCtx_setParameter(s.compressor, ZSTD_c_compressionLevel, 1)) ||
        ZSTD_isError(ZSTD_CCtx_setParameter(s.compressor, ZSTD_c_checksumFlag, 1)))
        return cannot(QStringLiteral("the compressor cannot be set up"));
    const QByteArray text = headerLine(s.id, header);
    if (s.manifest.write(text) != text.size() || !syncFile(s.manifest))
        return cannot(s.manifest.errorString());
    syncFolder(s.folder);
    syncFolder(journal);
    return {};
}

engine::Result<void> JournalWriter::keep(const std::string& path, std::string_view oldText,
                                         const std::vector<std::string_view>& newText, const Digests* known) {
    State& s = *m_state;
    if (!s.written)
        return s.written;
    const std::uint64_t frame = s.offset;
    if (!s.compress(oldText))
        return s.failed(s.oldTexts.errorString());
    // One JSON object a line, written out by hand: the path is percent-encoded, so
    // it needs no escapes of JSON's.
    s.lines += "{\"path\":\"" + QByteArray::fromStdString(path).toPercentEncoding("/") +
               "\",\"offset\":" + QByteArray::number(qulonglong(frame)) +
               ",\"length\":" + QByteArray::number(qulonglong(oldText.size())) + ",\"old_sha256\":\"" +
               (known ? QByteArray::fromStdString(known->oldText) : sha256({oldText})).toHex() +
               "\",\"new_sha256\":\"" +
               (known ? QByteArray::fromStdString(known->newText) : sha256(newText)).toHex() + "\"}\n";
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
    if (s.manifest.write(s.lines) != s.lines.size())
        return s.failed(s.manifest.errorString());
    if (!syncBoth(s.oldTexts, s.manifest))
        return s.failed(QString::fromLocal8Bit(std::strerror(errno)));
    s.lines.clear();
    s.sealed += s.keptSinceSeal;
    s.keptSinceSeal = 0;
    return {};
}

void JournalWriter::finish() {
    State& s = *m_state;
    if (s.folder.isEmpty())
        return;
    s.manifest.close();
    s.oldTexts.close();
    const QString journal = journalFolder();
    if (s.sealed == 0) {
        QDir(s.folder).removeRecursively();
    } else {
        // The oldest runs go first, until the journal is within its limits; this
        // run stays, however large it is.
        std::vector<QString> ids = runIds();
        std::vector<std::uint64_t> sizes;
        std::uint64_t total = 0;
        for (const QString& id : ids) {
            sizes.push_back(folderBytes(journal + QLatin1Char('/') + id));
            total += sizes.back();
        }
        for (std::size_t i = 0; i < ids.size() && ids[i] != s.id; ++i) {
            if (ids.size() - i <= std::size_t(JournalRuns) && total <= JournalBytes)
                break;
            QDir(journal + QLatin1Char('/') + ids[i]).removeRecursively();
            total -= sizes[i];
        }
    }
    syncFolder(journal);
    s.folder.clear();
}

// --- Reading -----------------------------------------------------------------

struct JournalReader::State {
    JournalRun run;
    QFile oldTexts;
    ZSTD_DCtx* decompressor = nullptr;
    std::vector<char> in = std::vector<char>(ZSTD_DStreamInSize());

    // What of the file the input buffer holds: frames of small pages lie many to
    // a read.
    std::uint64_t bufferStart = 0;
    std::size_t bufferSize = 0;

    // The frame that begins at `offset` into `to`, which holds exactly its text;
    // the library checks the frame's checksum as it reaches its end.
    engine::Result<void> frame(std::uint64_t offset, std::string& to) {
        const engine::Failure damaged{engine::Failure::Kind::Journal, "the journal's copy is damaged"};
        const engine::Failure ends{engine::Failure::Kind::Journal, "the journal ends before it"};
        if (ZSTD_isError(ZSTD_DCtx_reset(decompressor, ZSTD_reset_session_only)))
            return damaged;
        ZSTD_inBuffer input{in.data(), bufferSize, std::size_t(offset - bufferStart)};
        if (offset < bufferStart || offset >= bufferStart + bufferSize) {
            if (!oldTexts.seek(qint64(offset)))
                return ends;
            bufferStart = offset;
            bufferSize = 0;
            input = ZSTD_inBuffer{in.data(), 0, 0};
        }
        ZSTD_outBuffer output{to.data(), to.size(), 0};
        for (std::size_t left = 1; left != 0;) {
            if (input.pos == input.size) {
                const qint64 got = oldTexts.read(in.data(), qint64(in.size()));
                if (got <= 0)
                    return ends;
                bufferStart += bufferSize;
                bufferSize = std::size_t(got);
                input = ZSTD_inBuffer{in.data(), bufferSize, 0};
            }
            const std::size_t read = input.pos;
            const std::size_t written = output.pos;
            left = ZSTD_decompressStream(decompressor, &output, &input);
            if (ZSTD_isError(left))
                return damaged;
            // No room left and no progress: the frame holds more than the page did.
            if (left != 0 && output.pos == output.size && input.pos == read && output.pos == written &&
                input.pos < input.size)
                return damaged;
        }
        if (output.pos != output.size)
            return damaged;
        return {};
    }
};

JournalReader::JournalReader(JournalRun run)
    : m_state(std::make_unique<State>()) {
    m_state->run = std::move(run);
}

JournalReader::~JournalReader() {
    ZSTD_freeDCtx(m_state->decompressor);
}

const JournalRun& JournalReader::run() const {
    return m_state->run;
}

std::size_t JournalReader::pageCount() const {
    return m_state->run.pages.size();
}

std::string JournalReader::pagePath(std::size_t page) const {
    return m_state->run.pages.at(page).path;
}

engine::JournalRecord::Holds JournalReader::compare(std::size_t page, std::string_view contents) const {
    const JournalPage& entry = m_state->run.pages.at(page);
    const QByteArray digest = sha256({contents});
    if (digest == entry.newSha)
        return Holds::WhatTheRunWrote;
    return digest == entry.oldSha && contents.size() == entry.length ? Holds::WhatItHeldBefore
                                                                     : Holds::SomethingElse;
}

engine::Journal::Digests JournalReader::digests(std::size_t page) const {
    const JournalPage& entry = m_state->run.pages.at(page);
    return {entry.oldSha.toStdString(), entry.newSha.toStdString()};
}

engine::Result<std::string> JournalReader::oldText(std::size_t page) {
    State& s = *m_state;
    const JournalPage& entry = s.run.pages.at(page);
    if (!s.decompressor) {
        s.decompressor = ZSTD_createDCtx();
        s.oldTexts.setFileName(inRun(s.run.id, OldTexts));
        if (!s.decompressor || !s.oldTexts.open(QIODevice::ReadOnly))
            return engine::Failure{engine::Failure::Kind::Journal, s.oldTexts.errorString().toStdString()};
    }
    std::string text(entry.length, '\0');
    if (engine::Result<void> read = s.frame(entry.offset, text); !read)
        return read.failure();
    return text;
}

} // namespace files
