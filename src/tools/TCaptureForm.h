#pragma once
// "Capture Picture": shows one captured picture of the preview, client area
// exactly the picture's size, and saves it as a BMP file ("&Save"). Every
// capture opens a new one; closing hides it, and its owner (the main window)
// frees it when the program ends.

#include <QMainWindow>
#include <QPixmap>
#include <QString>

#include <functional>

class QLabel;

namespace glimmora {

class TFileDialog;

class TCaptureForm : public QMainWindow {
    Q_OBJECT
public:
    // Asks for the name to save under; empty when cancelled.
    using FileChooser = std::function<QString(QWidget*, const QString& caption, const QString& filter, bool save)>;

    TCaptureForm(QWidget* owner, const QPixmap& picture, FileChooser chooser);

    QLabel& Image1() const { return *image_; }
    const QPixmap& Picture() const { return picture_; }

    // "&Save": asks for a name and writes the picture there as BMP. An error
    // is shown and the window stays open.
    void File1Click();
    // The file a chosen name is written to: the name with ".bmp" added,
    // unless it already ends in ".bmp" (any letter case).
    static QString BitmapFileName(const QString& chosen);

protected:
    void showEvent(QShowEvent* event) override;  // FormShow

private:
    QPixmap picture_;
    QLabel* image_ = nullptr;
    FileChooser chooser_;
    TFileDialog* saveDialog1_ = nullptr;
    bool centred_ = false;
};

}  // namespace glimmora
