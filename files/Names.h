#pragma once

#include "engine/ReportText.h"

#include <QFile>
#include <QString>

#include <string>

namespace files {

// A name as the file system takes it, from text.
inline std::string localName(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

// Paths and reasons as a report shows them: one line, nothing hidden or reordered.
inline QString shownText(const std::string& text) {
    return QString::fromStdString(engine::reportText(text));
}

} // namespace files
