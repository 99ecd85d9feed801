#include "files/Names.h"

#include <QFile>

namespace files {

QString decodeName(const QByteArray& bytes) {
    return QFile::decodeName(bytes);
}

QByteArray encodeName(const QString& name) {
    return QFile::encodeName(name);
}

} // namespace files
