#include "files/SiteSource.h"

#include "files/Names.h"

#include <filesystem>
#include <system_error>

namespace files {

namespace {

// Whether the folder (by its bytes) holds an Eleventy configuration file.
bool holdsEleventyConfig(const std::filesystem::path& dir) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(dir, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.rfind("eleventy.config.", 0) == 0 && entry->is_regular_file(error))
            return true;
    }
    return false;
}

} // namespace

std::optional<Generator> generatorOf(const QString& folder) {
    // The folder by its bytes, so that a name that is not text is looked into too.
    const std::filesystem::path dir(encodeName(folder).toStdString());
    std::error_code error;
    const auto file = [&](const char* name) {
        return std::filesystem::is_regular_file(dir / name, error);
    };
    const auto folderIn = [&](const char* name) {
        return std::filesystem::is_directory(dir / name, error);
    };
    const bool hugoConfig = file("hugo.toml") || file("hugo.yaml") || file("hugo.json") ||
                            file("config.toml") || file("config.yaml") || file("config.json");
    if (hugoConfig && (folderIn("layouts") || folderIn("content")))
        return Generator{QStringLiteral("Hugo"), QStringLiteral("public/")};
    if (file("_config.yml") && folderIn("_layouts"))
        return Generator{QStringLiteral("Jekyll"), QStringLiteral("_site/")};
    if (file(".eleventy.js") || holdsEleventyConfig(dir))
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
