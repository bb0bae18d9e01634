#pragma once
// Files dragged onto the editor, sorted by what the editor does with them:
// a project (.gmr) or movie (.swf) opens, pictures and sounds become new
// objects of the open project, anything else is refused by name.

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace glimmora {

struct DroppedFiles {
    QString opened;       // the first project or movie; the others are left out
    QStringList pictures;  // .jpg .jpeg .bmp .png .gif .webp, in the order dropped
    QStringList sounds;    // .wav .mp3
    QStringList refused;   // local files of another kind

    static DroppedFiles Sort(const QList<QUrl>& urls);
    bool Empty() const { return opened.isEmpty() && pictures.isEmpty() && sounds.isEmpty(); }
    bool HasMedia() const { return !pictures.isEmpty() || !sounds.isEmpty(); }
};

}  // namespace glimmora
