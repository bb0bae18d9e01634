#include "workspace/DroppedFiles.h"

#include <QFileInfo>

namespace glimmora {

DroppedFiles DroppedFiles::Sort(const QList<QUrl>& urls)
{
    static const QStringList kPictures{"jpg", "jpeg", "bmp", "png", "gif", "webp"};
    static const QStringList kSounds{"wav", "mp3"};
    DroppedFiles sorted;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;  // web addresses and the like are no files to take
        const QString file = url.toLocalFile();
        const QString extension = QFileInfo(file).suffix().toLower();
        if (extension == "gmr" || extension == "swf") {
            if (sorted.opened.isEmpty()) sorted.opened = file;
        } else if (kPictures.contains(extension)) {
            sorted.pictures << file;
        } else if (kSounds.contains(extension)) {
            sorted.sounds << file;
        } else {
            sorted.refused << file;
        }
    }
    return sorted;
}

}  // namespace glimmora
