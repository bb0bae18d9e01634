#pragma once
// The projects opened or saved last, newest first, in the File menu's
// "Recent Projects" list and kept in the program's settings. Choosing one
// opens it; one that no longer exists is taken off the list with a message.

#include <QObject>
#include <QStringList>

#include <functional>

class QMenu;
class QWidget;

namespace glimmora {

class RecentProjects : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxCount = 8;

    // Fills `menu` from the settings; `open` opens a chosen project.
    RecentProjects(QMenu& menu, QWidget& window, std::function<void(const QString&)> open);

    // The project goes to the top of the list (once), which keeps MaxCount.
    void Add(const QString& file);
    const QStringList& Files() const { return files_; }
    // What choosing the entry of `file` does.
    void Choose(const QString& file);

private:
    void Store();
    void FillMenu();

    QMenu& menu_;
    QWidget& window_;
    std::function<void(const QString&)> open_;
    QStringList files_;
};

}  // namespace glimmora
