#include "settings/QtTranslation.h"

#include "settings/QtTranslationGaps.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace glimmora {

QString QtLocaleOfLanguageFile(const QString& fileName)
{
    return fileName.compare("ChineseGB.ini", Qt::CaseInsensitive) == 0 ? QStringLiteral("zh_CN") : QString();
}

bool UseQtTranslationFor(const QString& fileName)
{
    static std::unique_ptr<QTranslator> installed;
    static std::unique_ptr<QtTranslationGaps> gaps;
    for (QTranslator* translator : {static_cast<QTranslator*>(installed.get()), static_cast<QTranslator*>(gaps.get())})
        if (translator) QCoreApplication::removeTranslator(translator);
    installed.reset();
    gaps.reset();
    const QString locale = QtLocaleOfLanguageFile(fileName);
    // Dates, sizes and the descriptions of file types in Qt's dialogs follow.
    QLocale::setDefault(locale.isEmpty() ? QLocale::system() : QLocale(locale));
    if (locale.isEmpty() || !QCoreApplication::instance()) return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load("qtbase_" + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    // Installed last, so asked first: only for the texts Qt's translation lacks.
    gaps = std::make_unique<QtTranslationGaps>(locale);
    QCoreApplication::installTranslator(gaps.get());
    return true;
}

}  // namespace glimmora
