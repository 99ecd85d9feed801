#pragma once

#include <QString>

#include <optional>

namespace files {

// A static site generator whose source folder this is: its name, and the folder
// beneath it that its builds write the pages to.
struct Generator {
    QString name;   // "Hugo", "Jekyll", "Eleventy", "MkDocs", "Pelican"
    QString output; // "public/", "_site/", "site/", "output/"
};

// The generator whose source folder `folder` is, if any: Hugo (hugo.toml, or
// config.toml, .yaml or .json, beside layouts/ or content/), Jekyll (_config.yml
// beside _layouts/), Eleventy (eleventy.config.* or .eleventy.js), MkDocs
// (mkdocs.yml), Pelican (pelicanconf.py).
std::optional<Generator> generatorOf(const QString& folder);

// "FOLDER is the source of a Hugo site: its pages are built into public/; run
// this on public/ after each build"
QString generatorWarning(const QString& shownFolder, const Generator& generator);

} // namespace files
