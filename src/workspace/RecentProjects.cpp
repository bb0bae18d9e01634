#include "workspace/RecentProjects.h"

#include "settings/AppSettings.h"
#include "widgets/MessageBoxes.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace glimmora {

RecentProjects::RecentProjects(QMenu& menu, QWidget& window, std::function<void(const QString&)> open)
    : QObject(&menu), menu_(menu), window_(window), open_(std::move(open)), files_(ReadRecentProjects())
{
    while (files_.size() > MaxCount) files_.removeLast();
    FillMenu();
}

void RecentProjects::Add(const QString& file)
{
    const QString path = QFileInfo(file).absoluteFilePath();
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > MaxCount) files_.removeLast();
    Store();
}

void RecentProjects::Choose(const QString& file)
{
    if (!QFileInfo(file).isFile()) {
        files_.removeAll(file);
        Store();
        MessageBoxes::Error(&window_, QString("The project \"%1\" no longer exists; it is taken off the recent list.")
                                          .arg(QDir::toNativeSeparators(file)));
        return;
    }
    open_(file);
}

void RecentProjects::Store()
{
    WriteRecentProjects(files_);
    FillMenu();
}

void RecentProjects::FillMenu()
{
    menu_.clear();
    for (int i = 0; i < files_.size(); ++i) {
        const QString file = files_[i];
        // "&1 show.gmr", with the whole path as its hint.
        QAction* entry = menu_.addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(file).fileName()));
        entry->setToolTip(QDir::toNativeSeparators(file));
        entry->setStatusTip(QDir::toNativeSeparators(file));
        connect(entry, &QAction::triggered, this, [this, file] { Choose(file); });
    }
    menu_.setEnabled(!files_.isEmpty());
}

}  // namespace glimmora
