#include "files/JournalFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLockFile>

namespace files {

namespace {

using engine::Failure;

constexpr QFileDevice::Permissions OwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions OwnerFolder = OwnerFile | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions Others = QFileDevice::WriteGroup | QFileDevice::WriteOther;

Failure unsafe(const QString& what, const QString& path, const QString& why) {
    return Failure{Failure::Kind::Journal, QStringLiteral("the journal's %1 %2 is not safe: %3")
                                               .arg(what, QDir::toNativeSeparators(path), why)
                                               .toStdString()};
}

// What makes a folder or file one the account cannot trust, by its path: this
// layer has no handles, so the check and the use are apart.
QString distrust(const QFileInfo& info) {
    if (info.isSymLink())
        return QStringLiteral("a link");
    const uint owner = info.ownerId();
    if (owner != uint(-2) && owner != QFileInfo(QDir::homePath()).ownerId())
        return QStringLiteral("owned by %1").arg(info.owner());
    if (info.permissions() & Others)
        return QStringLiteral("writable by others");
    return {};
}

class GenericFolder final : public JournalFolder {
public:
    explicit GenericFolder(QString path)
        : m_path(std::move(path)) {}

    static engine::Result<std::unique_ptr<JournalFolder>> checked(const QString& path) {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return Failure{Failure::Kind::NotFound, "there is no folder " + path.toStdString()};
        if (const QString why = distrust(info); !why.isEmpty())
            return unsafe(QStringLiteral("folder"), path, why);
        if (!info.isDir())
            return unsafe(QStringLiteral("folder"), path, QStringLiteral("not a folder"));
        return engine::Result<std::unique_ptr<JournalFolder>>(std::make_unique<GenericFolder>(path));
    }

    engine::Result<std::unique_ptr<JournalFolder>> child(const QString& name, bool create, bool fresh) const {
        const QString path = m_path + QLatin1Char('/') + name;
        if (create && !QDir().mkdir(path, OwnerFolder) && (fresh || !QFileInfo(path).isDir()))
            return Failure{fresh && QFileInfo::exists(path) ? Failure::Kind::System : Failure::Kind::Journal,
                           "the folder " + QDir::toNativeSeparators(path).toStdString() +
                               " cannot be created"};
        return checked(path);
    }

    QString path() const override { return m_path; }
    engine::Result<std::unique_ptr<JournalFolder>> makeFolder(const QString& name) const override {
        return child(name, true, true);
    }
    engine::Result<std::unique_ptr<JournalFolder>> folder(const QString& name) const override {
        return child(name, false, false);
    }
    QStringList folders() const override {
        return QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
    }

    engine::Result<std::unique_ptr<QFile>> file(const char* name, Open how) const override {
        const QString path = m_path + QLatin1Char('/') + QLatin1String(name);
        const QFileInfo info(path);
        if (how == Open::Read && !info.exists())
            return Failure{Failure::Kind::NotFound, "there is no file " + path.toStdString()};
        if (info.exists() || info.isSymLink()) {
            if (const QString why = distrust(info); !why.isEmpty())
                return unsafe(QStringLiteral("file"), path, why);
        }
        auto file = std::make_unique<QFile>(path);
        const QIODevice::OpenMode mode = how == Open::Read     ? QIODevice::ReadOnly
                                         : how == Open::Create ? QIODevice::WriteOnly | QIODevice::NewOnly
                                         : how == Open::Append ? QIODevice::WriteOnly | QIODevice::Append
                                                               : QIODevice::WriteOnly | QIODevice::Truncate;
        if (!file->open(mode | (how == Open::Read ? QIODevice::NotOpen : QIODevice::Unbuffered), OwnerFile))
            return Failure{Failure::Kind::Journal, writeFailure(*file).toStdString()};
        return file;
    }

    bool exists(const char* name) const override {
        const QFileInfo info(m_path + QLatin1Char('/') + QLatin1String(name));
        return info.exists() || info.isSymLink();
    }
    bool remove(const char* name) const override {
        const QString path = m_path + QLatin1Char('/') + QLatin1String(name);
        return QFile::remove(path) || !QFile::exists(path);
    }
    void removeFolder(const QString& name) const override {
        QDir(m_path + QLatin1Char('/') + name).removeRecursively();
    }
    std::uint64_t bytes() const override {
        std::uint64_t total = 0;
        for (const QFileInfo& file : QDir(m_path).entryInfoList(QDir::Files | QDir::Hidden))
            total += std::uint64_t(file.size());
        return total;
    }
    // Qt offers no way to sync a folder's entries: the system writes them out
    // in its own time.
    bool sync() const override { return true; }

    bool lock(bool wait) override {
        m_lock = std::make_unique<QLockFile>(m_path + QLatin1String("/lock"));
        m_lock->setStaleLockTime(0);
        if (wait ? m_lock->lock() : m_lock->tryLock(0))
            return true;
        m_lock.reset();
        return false;
    }
    void unlock() override { m_lock.reset(); }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace

engine::Result<std::unique_ptr<JournalFolder>> JournalFolder::open(const QString& stateFolder, bool create) {
    const QString state = QDir::cleanPath(stateFolder);
    const QString journal = state + QStringLiteral("/code-inserter/journal");
    if (create && !QDir().mkpath(state))
        return Failure{Failure::Kind::Journal, "the folder " + state.toStdString() + " cannot be created"};
    engine::Result<std::unique_ptr<JournalFolder>> top = GenericFolder::checked(state);
    if (!top)
        return top;
    engine::Result<std::unique_ptr<JournalFolder>> program =
        static_cast<const GenericFolder&>(**top).child(QStringLiteral("code-inserter"), create, false);
    if (!program)
        return program;
    return static_cast<const GenericFolder&>(**program).child(QStringLiteral("journal"), create, false);
}

QString writeFailure(const QFile& file) {
    return file.errorString();
}

} // namespace files
