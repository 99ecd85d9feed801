#include "files/SiteSource.h"

#include <QDir>
#include <QFileInfo>

namespace files {

std::optional<Generator> generatorOf(const QString& folder) {
    const QDir dir(folder);
    const auto file = [&](const char* name) {
        return QFileInfo(dir.filePath(QLatin1String(name))).isFile();
    };
    const auto folderIn = [&](const char* name) {
        return QFileInfo(dir.filePath(QLatin1String(name))).isDir();
    };
    const bool hugoConfig = file("hugo.toml") || file("hugo.yaml") || file("hugo.json") ||
                            file("config.toml") || file("config.yaml") || file("config.json");
    if (hugoConfig && (folderIn("layouts") || folderIn("content")))
        return Generator{QStringLiteral("Hugo"), QStringLiteral("public/")};
    if (file("_config.yml") && folderIn("_layouts"))
        return Generator{QStringLiteral("Jekyll"), QStringLiteral("_site/")};
    if (file(".eleventy.js") || !dir.entryList({QStringLiteral("eleventy.config.*")}, QDir::Files).isEmpty())
        return Generator{QStringLiteral("Eleventy"), QStringLiteral("_site/")};
    if (file("mkdocs.yml"))
        return Generator{QStringLiteral("MkDocs"), QStringLiteral("site/")};
    if (file("pelicanconf.py"))
        return Generator{QStringLiteral("Pelican"), QStringLiteral("output/")};
    return std::nullopt;
}

QString generatorWarning(const QString& shownFolder, const Generator& generator) {
    const bool vowel = QStringLiteral("AEIOU").contains(generator.name.front());
    return QStringLiteral("%1 is the source of %2 %3 site: its pages are built into %4; run this on %4 after "
                          "each build")
        .arg(shownFolder, vowel ? QStringLiteral("an") : QStringLiteral("a"), generator.name,
             generator.output);
}

} // namespace files
