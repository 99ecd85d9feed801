#include "files/Names.h"

#include <QByteArrayList>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace files {

namespace {

constexpr char16_t EscapeBase = 0xDC00; // a byte b that is not text stands as EscapeBase + b

// The length of the UTF-8 sequence at `at` that encodes one code point, with the
// code point; 0 when the bytes there are not such a sequence.
int sequenceAt(const QByteArray& bytes, qsizetype at, char32_t& point) {
    const auto byte = [&](qsizetype i) {
        return static_cast<unsigned char>(bytes.at(i));
    };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        point = lead;
        return 1;
    }
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > bytes.size())
        return 0;
    point = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (byte(at + k) & 0x3F);
    }
    // Overlong forms, surrogates and points beyond Unicode are not text.
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < least[length] || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

QString decodeName(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t point = 0;
        const int length = sequenceAt(bytes, at, point);
        if (length == 0) {
            name += QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes.at(at))));
            ++at;
            continue;
        }
        name += QString::fromUcs4(&point, 1);
        at += length;
    }
    return name;
}

QByteArray encodeName(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t unit = name.at(at).unicode();
        const bool pair =
            QChar::isHighSurrogate(unit) && at + 1 < name.size() && name.at(at + 1).isLowSurrogate();
        if (pair) {
            bytes += name.mid(at, 2).toUtf8();
            ++at;
        } else if (unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF) {
            bytes += static_cast<char>(unit - EscapeBase);
        } else {
            bytes += QString(QChar(unit)).toUtf8();
        }
    }
    return bytes;
}

QByteArray absoluteName(const QString& path) {
    QByteArray bytes = encodeName(path);
    if (!bytes.startsWith('/')) {
        QByteArray here(4096, '\0');
        while (!::getcwd(here.data(), std::size_t(here.size())) && errno == ERANGE)
            here.resize(here.size() * 2);
        here.truncate(qsizetype(std::strlen(here.constData())));
        bytes = here + '/' + bytes;
    }
    // "." and ".." as the path reads, as QDir::cleanPath does with text.
    QByteArrayList kept;
    for (const QByteArray& step : bytes.split('/')) {
        if (step.isEmpty() || step == ".")
            continue;
        if (step == "..") {
            if (!kept.isEmpty())
                kept.removeLast();
            continue;
        }
        kept << step;
    }
    return '/' + kept.join('/');
}

} // namespace files
