#include "files/Names.h"

#include <QFile>
#include <QFileInfo>

namespace files {

QString decodeName(const QByteArray& bytes) {
    return QFile::decodeName(bytes);
}

QByteArray encodeName(const QString& name) {
    return QFile::encodeName(name);
}

QByteArray absoluteName(const QString& path) {
    return QFile::encodeName(QFileInfo(path).absoluteFilePath());
}

} // namespace files
