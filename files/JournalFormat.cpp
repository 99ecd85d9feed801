#include "files/JournalFormat.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <openssl/crypto.h>
#include <openssl/evp.h>

namespace files::journal {

namespace {

constexpr QLatin1String CheckKey(",\"check\":\"");
constexpr int CheckDigits = 16; // the first 64 bits of the body's SHA-256, in hex

QByteArray checkOf(const QByteArray& body) {
    return sha256({std::string_view(body.constData(), std::size_t(body.size()))}).toHex().left(CheckDigits);
}

// Runs in the order they were made: by the sequence the journal handed out,
// those of the first format (which has none) before, by the time in their names.
bool madeBefore(const JournalRun& a, const JournalRun& b) {
    if (a.sequence != b.sequence)
        return a.sequence < b.sequence;
    const QString timeA = a.id.left(15);
    const QString timeB = b.id.left(15);
    if (timeA != timeB)
        return timeA < timeB;
    return a.id.mid(16).toInt() < b.id.mid(16).toInt();
}

} // namespace

QByteArray sha256(const std::vector<std::string_view>& pieces) {
    // libcrypto's, which uses the processor's own instructions where it has them.
    // The digest is fetched once and each thread keeps its context.
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

QByteArray checkedLine(const QByteArray& body) {
    return body + CheckKey.data() + checkOf(body) + "\"}\n";
}

std::optional<QByteArray> verified(const QByteArray& line) {
    const qsizetype at = line.lastIndexOf(CheckKey.data());
    if (at < 0 || line.size() != at + CheckKey.size() + CheckDigits + 3 || !line.endsWith("\"}\n"))
        return std::nullopt;
    const QByteArray body = line.left(at);
    if (line.mid(at + CheckKey.size(), CheckDigits) != checkOf(body))
        return std::nullopt;
    return body + "}";
}

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

QByteArray headerLine(const JournalRun& run) {
    QJsonObject line{{QStringLiteral("format"), Format},
                     {QStringLiteral("sequence"), qint64(run.sequence)},
                     {QStringLiteral("id"), run.id},
                     {QStringLiteral("time"), run.time},
                     {QStringLiteral("command"), run.command},
                     {QStringLiteral("folder"), QString::fromLatin1(run.folder.toPercentEncoding("/"))},
                     {QStringLiteral("device"), qint64(run.root.device)},
                     {QStringLiteral("inode"), qint64(run.root.inode)}};
    if (!run.website.isEmpty())
        line.insert(QStringLiteral("website"), run.website);
    if (!run.protocol.isEmpty())
        line.insert(QStringLiteral("protocol"), run.protocol);
    if (!run.undoes.isEmpty())
        line.insert(QStringLiteral("undoes"), run.undoes);
    if (!run.typed.isEmpty() && run.typed != run.folder)
        line.insert(QStringLiteral("typed"), QString::fromLatin1(run.typed.toPercentEncoding("/")));
    QByteArray body = QJsonDocument(line).toJson(QJsonDocument::Compact);
    body.chop(1); // the closing brace
    return checkedLine(body);
}

std::optional<JournalRun> readHeader(const QByteArray& line) {
    const QJsonObject header = QJsonDocument::fromJson(line).object();
    const int format = header.value(QLatin1String("format")).toInt();
    if ((format != 1 && format != Format) || (format == Format && !verified(line)))
        return std::nullopt;
    JournalRun run;
    run.id = header.value(QLatin1String("id")).toString();
    run.sequence = std::uint64_t(header.value(QLatin1String("sequence")).toInteger());
    run.time = header.value(QLatin1String("time")).toString();
    run.command = header.value(QLatin1String("command")).toString();
    run.website = header.value(QLatin1String("website")).toString();
    run.protocol = header.value(QLatin1String("protocol")).toString();
    run.folder = QByteArray::fromPercentEncoding(header.value(QLatin1String("folder")).toString().toLatin1());
    run.root.device = std::uint64_t(header.value(QLatin1String("device")).toInteger());
    run.root.inode = std::uint64_t(header.value(QLatin1String("inode")).toInteger());
    run.undoes = header.value(QLatin1String("undoes")).toString();
    run.typed = QByteArray::fromPercentEncoding(header.value(QLatin1String("typed")).toString().toLatin1());
    const bool known = run.command == QLatin1String("insert") || run.command == QLatin1String("remove") ||
                       run.command == QLatin1String("undo");
    if (!known || run.folder.isEmpty() || (format == Format && run.sequence == 0))
        return std::nullopt;
    return run;
}

QByteArray pageLine(const JournalPage& page) {
    // Written out by hand: the path is percent-encoded, so it needs no escapes of JSON's.
    return checkedLine("{\"path\":\"" + QByteArray::fromStdString(page.path).toPercentEncoding("/") +
                       "\",\"offset\":" + QByteArray::number(qulonglong(page.offset)) +
                       ",\"length\":" + QByteArray::number(qulonglong(page.length)) + ",\"old_sha256\":\"" +
                       page.oldSha.toHex() + "\",\"new_sha256\":\"" + page.newSha.toHex() +
                       "\",\"prefixed\":" + (page.prefixed ? "1" : "0"));
}

std::optional<JournalPage> readPage(const QByteArray& line, int format) {
    if (format == Format && !verified(line))
        return std::nullopt;
    JournalPage page;
    page.path = QByteArray::fromPercentEncoding(valueOf(line, "path")).toStdString();
    bool offsetRead = false;
    bool lengthRead = false;
    page.offset = valueOf(line, "offset").toULongLong(&offsetRead);
    page.length = valueOf(line, "length").toULongLong(&lengthRead);
    page.oldSha = QByteArray::fromHex(valueOf(line, "old_sha256"));
    page.newSha = QByteArray::fromHex(valueOf(line, "new_sha256"));
    page.prefixed = valueOf(line, "prefixed") == "1";
    if (page.path.empty() || !offsetRead || !lengthRead || page.oldSha.size() != 32 ||
        page.newSha.size() != 32)
        return std::nullopt;
    return page;
}

void readMarks(JournalFolder& folder, JournalRun& run, bool probeLock) {
    const auto text = [&](const char* name) {
        engine::Result<std::unique_ptr<QFile>> file = folder.file(name, JournalFolder::Open::Read);
        return file ? QString::fromUtf8((*file)->read(4096)).trimmed() : QString();
    };
    run.undoneBy = text(Undone);
    const QStringList partly = text(Partly).split(QLatin1Char(' '));
    run.partlyBy = run.undoneBy.isEmpty() && partly.size() == 2 ? partly.front() : QString();
    run.left = run.partlyBy.isEmpty() ? 0 : partly.back().toULongLong();
    // A run of the first format has no mark: it had ended, or died.
    run.finished = run.sequence == 0 || folder.exists(Finished);
    run.running = false;
    if (!run.finished && probeLock) {
        run.running = !folder.lock(false);
        if (!run.running)
            folder.unlock();
    }
}

std::optional<OpenedRun> openRun(const JournalFolder& journal, const QString& id) {
    engine::Result<std::unique_ptr<JournalFolder>> folder = journal.folder(id);
    if (!folder)
        return std::nullopt;
    engine::Result<std::unique_ptr<QFile>> manifest = (*folder)->file(Manifest, JournalFolder::Open::Read);
    if (!manifest)
        return std::nullopt;
    std::optional<JournalRun> run = readHeader((*manifest)->readLine(64 * 1024));
    if (!run || (run->sequence != 0 && run->id != id))
        return std::nullopt;
    run->id = id;
    return OpenedRun{std::move(*folder), std::move(*manifest), std::move(*run)};
}

std::size_t countLines(QFile& file) {
    std::size_t lines = 0;
    std::vector<char> block(1 << 16);
    for (qint64 got; (got = file.read(block.data(), qint64(block.size()))) > 0;)
        lines += std::size_t(std::count(block.data(), block.data() + got, '\n'));
    return lines;
}

void takenBackByUndoRuns(std::vector<JournalRun>& runs) {
    QHash<QString, std::size_t> byId;
    for (std::size_t i = 0; i < runs.size(); ++i)
        byId.insert(runs[i].id, i);
    // Newest first: an undo that was itself undone took nothing back.
    for (std::size_t i = runs.size(); i-- > 0;) {
        const JournalRun& undo = runs[i];
        if (undo.command != QLatin1String("undo") || !undo.finished || !undo.undoneBy.isEmpty() ||
            !undo.partlyBy.isEmpty() || !byId.contains(undo.undoes))
            continue;
        JournalRun& taken = runs[byId.value(undo.undoes)];
        if (taken.undoneBy.isEmpty() && taken.partlyBy.isEmpty() && madeBefore(taken, undo))
            taken.undoneBy = undo.id;
    }
}

std::vector<JournalRun> listRuns(const JournalFolder& journal, Detail detail) {
    std::vector<JournalRun> runs;
    for (const QString& id : journal.folders()) {
        std::optional<OpenedRun> opened = openRun(journal, id);
        if (!opened)
            continue;
        JournalRun& run = opened->run;
        readMarks(*opened->folder, run);
        run.bytes = opened->folder->bytes();
        if (detail == Detail::Counted)
            run.changed = countLines(*opened->manifest);
        runs.push_back(std::move(run));
    }
    std::sort(runs.begin(), runs.end(), madeBefore);
    takenBackByUndoRuns(runs);
    return runs;
}

} // namespace files::journal
