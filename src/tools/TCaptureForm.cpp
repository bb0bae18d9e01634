#include "tools/TCaptureForm.h"

#include "widgets/FileDialog.h"
#include "widgets/MessageBoxes.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace glimmora {

TCaptureForm::TCaptureForm(QWidget* owner, const QPixmap& picture, FileChooser chooser)
    : QMainWindow(owner, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      picture_(picture),
      chooser_(std::move(chooser))
{
    setObjectName("CaptureForm");
    setWindowTitle("Capture Picture");

    image_ = new QLabel(this);
    image_->setObjectName("Image1");
    image_->setPixmap(picture_);
    image_->setContentsMargins(0, 0, 0, 0);
    image_->setFixedSize(picture_.deviceIndependentSize().toSize());
    setCentralWidget(image_);

    saveDialog1_ = new TFileDialog(this, "SaveDialog1", TFileDialog::Mode::Save, "Save", "Bmp File (*.bmp)");
    QAction* save = menuBar()->addAction("&Save");
    save->setObjectName("File1");
    connect(save, &QAction::triggered, this, &TCaptureForm::File1Click);
}

QString TCaptureForm::BitmapFileName(const QString& chosen)
{
    if (chosen.endsWith(".bmp", Qt::CaseInsensitive)) return chosen;
    return chosen + ".bmp";
}

void TCaptureForm::File1Click()
{
    const QString chosen = chooser_ ? chooser_(this, saveDialog1_->Title(), saveDialog1_->Filter(), true)
                                    : saveDialog1_->Run(this, QString());
    if (chosen.isEmpty()) return;
    const QString file = BitmapFileName(chosen);
    if (!picture_.toImage().save(file, "BMP"))
        MessageBoxes::Error(this, QString("Cannot save the picture to \"%1\".").arg(file));
}

void TCaptureForm::showEvent(QShowEvent* event)
{
    // The client area takes the picture's size; the window is centred on
    // its screen when first shown.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (!centred_) {
        centred_ = true;
        if (QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QMainWindow::showEvent(event);
}

}  // namespace glimmora
