#include "workspace/TextFontList.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <QSettings>

namespace glimmora {

namespace {

QSettings CommonSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tessaly", "Common");
}

}  // namespace

QStringList SplitFontList(const QString& stored)
{
    QStringList names;
    for (const QString& line : stored.split('\n')) {
        QString name = line;
        if (name.endsWith('\r')) name.chop(1);
        if (!name.isEmpty()) names.append(name);
    }
    return names;
}

QString JoinFontList(const QStringList& names)
{
    QString text;
    for (const QString& name : names) text += name + "\r\n";
    return text;
}

bool IsTrueTypeFont(const QString& family)
{
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0) return false;
    return !raw.fontTable("glyf").isEmpty();
}

QStringList TextFontList()
{
    QSettings settings = CommonSettings();
    QStringList names = SplitFontList(settings.value("Fonts").toString());
    if (!names.isEmpty()) return names;

    for (const QString& family : QFontDatabase::families()) {
        if (IsTrueTypeFont(family)) names.append(family);
    }
    settings.setValue("Fonts", JoinFontList(names));
    settings.sync();
    return names;
}

}  // namespace glimmora
