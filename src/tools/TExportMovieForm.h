#pragma once
// "Export Movie As": the format, the file, the size, the frames, the quality
// and, for animated images, the loop count of an export of the movie shown.
// The main window creates one for each use and runs it modally; Settings()
// gives what was chosen once it is accepted.

#include "export/ExportSettings.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace glimmora {

class TExportMovieForm : public QDialog {
    Q_OBJECT
public:
    // Asks for a file name: caption, filter, whether to save.
    using FileChooser = std::function<QString(const QString&, const QString&, bool)>;

    // `movie` gives the default size and the frames; `base` is the path and
    // name of the files without an extension ("/home/me/show").
    TExportMovieForm(QWidget* owner, const swf::DecodedMovie& movie, const QString& base, FileChooser chooser);

    exporting::ExportSettings Settings() const;

    QComboBox& FormatBox() const { return *format_; }
    QLineEdit& TargetEdit() const { return *target_; }
    QSpinBox& WidthEdit() const { return *width_; }
    QSpinBox& HeightEdit() const { return *height_; }
    QSpinBox& FirstFrameEdit() const { return *first_; }
    QSpinBox& LastFrameEdit() const { return *last_; }
    QSpinBox& QualityEdit() const { return *quality_; }
    QSpinBox& LoopEdit() const { return *loop_; }
    QPushButton& OK() const { return *ok_; }

private:
    void FormatChange();
    void BrowseClick();
    void OKClick();
    exporting::ExportFormat Format() const;

    FileChooser chooser_;
    QComboBox* format_ = nullptr;
    QLineEdit* target_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
    QSpinBox* first_ = nullptr;
    QSpinBox* last_ = nullptr;
    QSpinBox* quality_ = nullptr;
    QSpinBox* loop_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace glimmora
