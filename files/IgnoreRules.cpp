#include "files/IgnoreRules.h"

#include "files/Names.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace files {

namespace {

// A gitignore pattern (its slashes' meaning already taken out) as a regular
// expression over a path: `*` and `?` stay within a name, `**` spans folders.
QString translated(const QString& glob) {
    QString out;
    for (qsizetype i = 0; i < glob.size(); ++i) {
        const QChar c = glob[i];
        if (c == QLatin1Char('*') && glob.mid(i, 2) == QLatin1String("**")) {
            const bool lead = i == 0 || glob[i - 1] == QLatin1Char('/');
            const bool slashAfter = glob.mid(i + 2, 1) == QLatin1String("/");
            if (lead && slashAfter) { // "**/": any folders, or none
                out += QStringLiteral("(?:.*/)?");
                i += 2;
            } else {
                out += QStringLiteral(".*");
                i += 1;
            }
        } else if (c == QLatin1Char('*')) {
            out += QStringLiteral("[^/]*");
        } else if (c == QLatin1Char('?')) {
            out += QStringLiteral("[^/]");
        } else if (c == QLatin1Char('[') && glob.indexOf(QLatin1Char(']'), i + 2) > i) {
            const qsizetype close = glob.indexOf(QLatin1Char(']'), i + 2);
            QString set = glob.mid(i + 1, close - i - 1);
            if (set.startsWith(QLatin1Char('!')))
                set[0] = QLatin1Char('^');
            out +=
                QLatin1Char('[') + set.replace(QLatin1String("\\"), QLatin1String("\\\\")) + QLatin1Char(']');
            i = close;
        } else if (c == QLatin1Char('\\') && i + 1 < glob.size()) {
            out += QRegularExpression::escape(glob.mid(++i, 1));
        } else {
            out += QRegularExpression::escape(QString(c));
        }
    }
    return out;
}

} // namespace

IgnoreRules IgnoreRules::load(const QString& folder, const QStringList& excludes) {
    IgnoreRules rules;
    // The folder by its bytes, so that a name that is not text keeps its rules too.
    const std::filesystem::path path(encodeName(folder).toStdString() + "/.code-inserter-ignore");
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        std::ifstream file(path, std::ios::binary);
        int number = 0;
        for (std::string line; std::getline(file, line);) {
            const QString text = QString::fromStdString(line).remove(QLatin1Char('\r'));
            rules.add(text, QStringLiteral(".code-inserter-ignore line %1").arg(++number));
        }
    }
    for (const QString& pattern : excludes)
        rules.add(pattern, QStringLiteral("--exclude"));
    return rules;
}

void IgnoreRules::add(QString line, const QString& source) {
    // Trailing spaces go, unless a backslash keeps one.
    while (line.endsWith(QLatin1Char(' ')) && !line.endsWith(QLatin1String("\\ ")))
        line.chop(1);
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return;
    Rule rule;
    rule.source = source;
    if (line.startsWith(QLatin1Char('!'))) {
        rule.negated = true;
        line.remove(0, 1);
    } else if (line.startsWith(QLatin1String("\\!")) || line.startsWith(QLatin1String("\\#"))) {
        line.remove(0, 1);
    }
    if (line.endsWith(QLatin1Char('/'))) {
        rule.foldersOnly = true;
        line.chop(1);
    }
    rule.anchored = line.contains(QLatin1Char('/'));
    if (line.startsWith(QLatin1Char('/')))
        line.remove(0, 1);
    if (line.isEmpty())
        return;
    rule.pattern = QRegularExpression(QRegularExpression::anchoredPattern(translated(line)));
    if (rule.pattern.isValid())
        m_rules.append(rule);
}

const IgnoreRules::Rule* IgnoreRules::decides(const QByteArray& path, bool folder) const {
    const QString text = QString::fromUtf8(path);
    const QString name = text.mid(text.lastIndexOf(QLatin1Char('/')) + 1);
    for (qsizetype i = m_rules.size() - 1; i >= 0; --i) {
        const Rule& rule = m_rules.at(i);
        if (rule.foldersOnly && !folder)
            continue;
        if (rule.pattern.match(rule.anchored ? text : name).hasMatch())
            return &rule;
    }
    return nullptr;
}

std::optional<QString> IgnoreRules::excluded(const QByteArray& path) const {
    if (m_rules.isEmpty())
        return std::nullopt;
    // A file in a folder left out is left out, whatever a later pattern says.
    for (qsizetype slash = path.indexOf('/'); slash > 0; slash = path.indexOf('/', slash + 1)) {
        const Rule* rule = decides(path.left(slash), true);
        if (rule && !rule->negated)
            return QStringLiteral("excluded by %1").arg(rule->source);
    }
    const Rule* rule = decides(path, false);
    if (rule && !rule->negated)
        return QStringLiteral("excluded by %1").arg(rule->source);
    return std::nullopt;
}

} // namespace files
