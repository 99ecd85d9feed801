#pragma once

#include <QLocale>
#include <QString>

namespace wizard {

// The wizard speaks the language of the locale given (by default the desktop's,
// which LANGUAGE and LANG choose), or English where it has no translation: its
// own texts, and Qt's for the standard buttons and dialogs. Installing a
// language replaces the one installed before.
// Returns the language taken: "de", "pt_BR", ..., "en".
QString useLanguageOf(const QLocale& locale = QLocale());

// The languages shipped, English first.
QStringList shippedLanguages();

} // namespace wizard
