#pragma once

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

namespace files {

// Files and folders a run leaves out: the patterns of `.code-inserter-ignore` in
// the chosen folder and those given with --exclude, in gitignore's syntax (`*`,
// `**`, `?`, `[...]`, a trailing `/` for folders, a `/` before or inside a
// pattern ties it to the chosen folder, `!` takes a pattern back, `#` begins a
// comment), matched on paths beneath the folder; the last pattern that matches
// decides, and a file in a folder left out is left out.
class IgnoreRules {
public:
    IgnoreRules() = default;
    // The folder's file, if it has one, then the patterns given.
    static IgnoreRules load(const QString& folder, const QStringList& excludes);

    // Why the path (beneath the folder, '/' between folders) is left out, or
    // nothing: "excluded by .code-inserter-ignore line 3", "excluded by --exclude".
    std::optional<QString> excluded(const QByteArray& path) const;

    bool empty() const { return m_rules.isEmpty(); }

private:
    struct Rule {
        QRegularExpression pattern;
        bool negated = false;
        bool foldersOnly = false;
        bool anchored = false; // matched on the whole path, not on a name
        QString source;        // "--exclude", or ".code-inserter-ignore line N"
    };
    void add(QString line, const QString& source);
    // The rule that decides for the path, as a file or a folder, if any.
    const Rule* decides(const QByteArray& path, bool folder) const;

    QList<Rule> m_rules;
};

} // namespace files
