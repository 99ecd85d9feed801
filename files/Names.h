#pragma once

#include "engine/ReportText.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace files {

// A name as text, from the bytes the system holds. Where names are bytes
// (POSIX), a byte that is not part of UTF-8 text stands as one lone surrogate
// (U+DC80 plus the byte), so that encodeName gives back the very same bytes: a
// folder named in Latin-1 on an older site keeps its name through the run, the
// journal and undo. Elsewhere, as QFile has it.
QString decodeName(const QByteArray& bytes);
QByteArray encodeName(const QString& name);

// The path as bytes, made absolute from the working folder where it is relative,
// "." and ".." taken away, without asking the file system (which would read the
// name as text).
QByteArray absoluteName(const QString& path);

// A name as the file system takes it, from text.
inline std::string localName(const QString& text) {
    return encodeName(text).toStdString();
}

// Paths and reasons as a report shows them: one line, nothing hidden or reordered.
inline QString shownText(const std::string& text) {
    return QString::fromStdString(engine::reportText(text));
}

} // namespace files
