#pragma once
// Qt's own texts (the buttons of message boxes, the file chooser, the colour
// dialog) in the interface language: Qt's translation for the language file
// in use, from Qt's translations folder. The language files translate our
// windows only.

#include <QString>

namespace glimmora {

// The locale of Qt's translation that goes with a language file ("zh_CN" for
// "ChineseGB.ini"), or an empty text for the built-in English and for files
// of other languages.
QString QtLocaleOfLanguageFile(const QString& fileName);

// Installs Qt's translation for `fileName` in the application, replacing the
// one installed before; an empty name, or a language without one, goes back
// to Qt's built-in English. True when a translation is installed.
bool UseQtTranslationFor(const QString& fileName);

}  // namespace glimmora
