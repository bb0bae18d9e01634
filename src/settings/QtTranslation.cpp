#include "settings/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
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
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    const QString locale = QtLocaleOfLanguageFile(fileName);
    if (locale.isEmpty() || !QCoreApplication::instance()) return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load("qtbase_" + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

}  // namespace glimmora
