#include "tools/TExportMovieForm.h"

#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <filesystem>

namespace glimmora {
namespace {

// A row of the form with a named caption, so that language files reach it.
void AddRow(QFormLayout* form, const char* name, const char* caption, QWidget* field, QLayout* fields = nullptr)
{
    auto* label = new QLabel(caption, form->parentWidget());
    label->setObjectName(name);
    if (field) form->addRow(label, field);
    else form->addRow(label, fields);
}

QSpinBox* AddSpin(QWidget* parent, const char* name, int low, int high, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

// The file name for `format`: the base with the format's extension, "_%d"
// before it for a PNG sequence.
QString TargetFor(const QString& current, exporting::ExportFormat format)
{
    std::filesystem::path path(current.trimmed().toStdString());
    std::string stem = path.stem().string();
    if (stem.size() >= 3 && stem.ends_with("_%d")) stem.resize(stem.size() - 3);
    if (format == exporting::ExportFormat::PngSequence) stem += "_%d";
    path.replace_filename(stem + exporting::FormatInfo(format).extension);
    return QString::fromStdString(path.string());
}

}  // namespace

TExportMovieForm::TExportMovieForm(QWidget* owner, const swf::DecodedMovie& movie, const QString& base,
                                   FileChooser chooser)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      chooser_(std::move(chooser))
{
    setObjectName("ExportMovieForm");
    setWindowTitle("Export Movie As");
    auto* form = new QFormLayout(this);

    format_ = new QComboBox(this);
    format_->setObjectName("FormatBox");
    for (const exporting::ExportFormatInfo& info : exporting::ExportFormats())
        format_->addItem(QString("%1 (*%2)").arg(info.name, info.extension), int(info.format));
    AddRow(form, "FormatLabel", "Format:", format_);

    auto* fileRow = new QHBoxLayout;
    target_ = new QLineEdit(TargetFor(base + ".mp4", exporting::ExportFormat::Mp4), this);
    target_->setObjectName("TargetEdit");
    target_->setMinimumWidth(320);
    auto* browse = new QPushButton("...", this);
    browse->setObjectName("BrowseButton");
    browse->setFixedWidth(32);
    fileRow->addWidget(target_);
    fileRow->addWidget(browse);
    AddRow(form, "FileLabel", "File:", nullptr, fileRow);

    const int width = std::clamp(movie.header.WidthPixels(), 1, exporting::kMaxExportSide);
    const int height = std::clamp(movie.header.HeightPixels(), 1, exporting::kMaxExportSide);
    auto* sizeRow = new QHBoxLayout;
    width_ = AddSpin(this, "WidthEdit", 1, exporting::kMaxExportSide, width);
    height_ = AddSpin(this, "HeightEdit", 1, exporting::kMaxExportSide, height);
    sizeRow->addWidget(width_);
    sizeRow->addWidget(height_);
    AddRow(form, "SizeLabel", "Size (width, height):", nullptr, sizeRow);

    // Frames are shown from 1, as the editors show them.
    const int frames = std::max(1, movie.FrameCount());
    auto* framesRow = new QHBoxLayout;
    first_ = AddSpin(this, "FirstFrameEdit", 1, frames, 1);
    last_ = AddSpin(this, "LastFrameEdit", 1, frames, frames);
    framesRow->addWidget(first_);
    framesRow->addWidget(last_);
    AddRow(form, "FramesLabel", "Frames (from, to):", nullptr, framesRow);

    quality_ = AddSpin(this, "QualityEdit", 1, 100, 80);
    AddRow(form, "QualityLabel", "Quality (1-100):", quality_);
    loop_ = AddSpin(this, "LoopEdit", 0, 65535, 0);
    loop_->setSpecialValueText("For ever");
    AddRow(form, "PlaysLabel", "Plays:", loop_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName("OK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("Cancel");
    form->addRow(buttons);

    connect(format_, &QComboBox::currentIndexChanged, this, &TExportMovieForm::FormatChange);
    connect(browse, &QPushButton::clicked, this, &TExportMovieForm::BrowseClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &TExportMovieForm::OKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FormatChange();
}

exporting::ExportFormat TExportMovieForm::Format() const
{
    return exporting::ExportFormat(format_->currentData().toInt());
}

void TExportMovieForm::FormatChange()
{
    const exporting::ExportFormatInfo& info = exporting::FormatInfo(Format());
    target_->setText(TargetFor(target_->text(), info.format));
    loop_->setEnabled(info.loops);
    quality_->setEnabled(info.format != exporting::ExportFormat::PngSequence &&
                         info.format != exporting::ExportFormat::Html);
    for (QSpinBox* spin : {first_, last_}) spin->setEnabled(info.rendered);
}

void TExportMovieForm::BrowseClick()
{
    const exporting::ExportFormatInfo& info = exporting::FormatInfo(Format());
    const QString file = chooser_(windowTitle(), QString("%1 (*%2)").arg(info.name, info.extension), true);
    if (!file.isEmpty()) target_->setText(TargetFor(file, info.format));
}

exporting::ExportSettings TExportMovieForm::Settings() const
{
    exporting::ExportSettings settings;
    settings.format = Format();
    settings.target = std::filesystem::path(target_->text().trimmed().toStdString());
    settings.size = QSize(width_->value(), height_->value());
    settings.firstFrame = first_->value() - 1;
    settings.lastFrame = last_->value() - 1;
    settings.quality = quality_->value();
    settings.loopCount = loop_->value();
    return settings;
}

void TExportMovieForm::OKClick()
{
    const exporting::ExportSettings settings = Settings();
    if (settings.target.filename().empty()) {
        MessageBoxes::Information(this, "Please give the name of the file to export to.");
        return;
    }
    if (exporting::FormatForPath(settings.target) != settings.format) {
        MessageBoxes::Information(this, QString("The name \"%1\" does not end in %2.")
                                            .arg(target_->text(), exporting::FormatInfo(settings.format).extension));
        return;
    }
    if (*settings.firstFrame > *settings.lastFrame) {
        MessageBoxes::Information(this, "The first frame comes after the last.");
        return;
    }
    accept();
}

}  // namespace glimmora
