#include "workspace/ChosenFileFolder.h"

#include <QDir>
#include <QFileInfo>

namespace glimmora {

std::string ChosenFileFolder(const QString& file)
{
    std::string folder = QDir::toNativeSeparators(QFileInfo(file).absolutePath()).toStdString();
    const char separator = QDir::separator().toLatin1();
    if (!folder.empty() && folder.back() != separator) folder += separator;
    return folder;
}

}  // namespace glimmora
