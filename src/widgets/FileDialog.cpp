#include "widgets/FileDialog.h"

#include <QFileDialog>

namespace glimmora {

TFileDialog::TFileDialog(QObject* window, const char* name, Mode mode, const QString& title, const QString& filter)
    : QObject(window), mode_(mode), title_(title), filter_(filter)
{
    setObjectName(name);
}

bool StaysOnTop(const QWidget* widget)
{
    return widget && widget->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TFileDialog::Prepare(QFileDialog& dialog, QWidget* parent) const
{
    dialog.setObjectName(objectName());
    dialog.setWindowTitle(title_);
    dialog.setNameFilters(filter_.split(";;", Qt::SkipEmptyParts));
    dialog.setAcceptMode(mode_ == Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode_ == Mode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Over a window that stays on top, a dialog of the normal layer would
    // open behind it.
    if (StaysOnTop(parent)) dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

QString TFileDialog::Run(QWidget* parent, const QString& folder) const
{
    QFileDialog dialog(parent);
    Prepare(dialog, parent);
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

}  // namespace glimmora
