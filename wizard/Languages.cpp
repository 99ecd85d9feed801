#include "wizard/Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace wizard {

namespace {

// The translations are built into the program, under this prefix.
const QString Translations = QStringLiteral(":/i18n");

struct Installed {
    QString language;
    std::unique_ptr<QTranslator> english; // the plural forms of the English texts
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed() {
    static Installed languages;
    return languages;
}

void replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next) {
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(next);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

} // namespace

QStringList shippedLanguages() {
    QStringList languages;
    for (const QString& file :
         QDir(Translations).entryList({QStringLiteral("code-inserter_*.qm")}, QDir::Files))
        languages << file.mid(14, file.size() - 14 - 3);
    languages.removeAll(QStringLiteral("en"));
    languages.prepend(QStringLiteral("en"));
    return languages;
}

QString useLanguageOf(const QLocale& locale) {
    Installed& now = installed();
    auto own = std::make_unique<QTranslator>();
    const bool found =
        own->load(locale, QStringLiteral("code-inserter"), QStringLiteral("_"), Translations) &&
        own->language() != QLatin1String("en");
    const QString language =
        found ? own->language().replace(QLatin1Char('-'), QLatin1Char('_')) : QStringLiteral("en");
    if (language == now.language)
        return language;
    now.language = language;
    if (!now.english) {
        auto english = std::make_unique<QTranslator>();
        if (english->load(QStringLiteral("code-inserter_en"), Translations))
            replace(now.english, std::move(english));
    }
    // Qt's own, for "Yes", "No", "OK" and the file dialog, beside ours.
    auto qt = std::make_unique<QTranslator>();
    const bool qtFound = found && qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    replace(now.qt, qtFound ? std::move(qt) : nullptr);
    replace(now.own, found ? std::move(own) : nullptr);
    // Arabic is written from right to left, and so the windows are laid out.
    QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    return language;
}

} // namespace wizard
