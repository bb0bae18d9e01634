// The main window's output tools: projectors both ways, the screensaver and
// the capture of the preview.
#include "workspace/TMainForm.h"

#include "player/widget/TShockwaveFlash.h"
#include "tools/ScreenSaverInstall.h"
#include "tools/TCaptureForm.h"
#include "tools/TExeToSwfForm.h"
#include "tools/TSwfToExeForm.h"
#include "tools/files/ScreenSaverFile.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WaitCursor.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace glimmora {

namespace {

QString WithExtension(const QString& file, const char* extension)
{
    return QString::fromStdString(std::filesystem::path(file.toStdString()).replace_extension(extension).string());
}

}  // namespace

std::filesystem::path TMainForm::PlayerProgram() { return ProgramFolder() / "glimmora-player"; }

void TMainForm::CreateToolActions() {
    image1_ = new QLabel(this);
    image1_->setObjectName("Image1");
    image1_->setGeometry(0, 0, 1, 1);
    image1_->hide();

    const auto on = [this](const char* name, void (TMainForm::*member)()) {
        connect(Action(name), &QAction::triggered, this, [this, member] { Guarded([&] { (this->*member)(); }); });
    };
    on("FileSwfToExe", &TMainForm::FileSwfToExe);
    on("FileExeToSwf", &TMainForm::FileExeToSwf);
    on("FileSetAsScreenSaver", &TMainForm::FileSetAsScreenSaver);
    on("CaptureWindow", &TMainForm::CaptureWindow);
    on("FileExportMovie", &TMainForm::FileExportMovie);
}

void TMainForm::FileSwfToExe() {
    const QString file = ChooseFile(*openDialogSwf_);
    if (file.isEmpty()) return;
    TSwfToExeForm form(this, PlayerProgram());
    form.SourceSwf().setText(file);
    form.TargetExe().setText(WithExtension(file, ".exe"));
    form.exec();
}

void TMainForm::FileExeToSwf() {
    const QString file = ChooseFile(*openDialogExe_);
    if (file.isEmpty()) return;
    TExeToSwfForm form(this);
    form.SourceExe().setText(file);
    form.TargetSwf().setText(WithExtension(file, ".swf"));
    form.exec();
}

void TMainForm::FileSetAsScreenSaver() {
    const std::filesystem::path target = ScreenSaverFile();
    const std::filesystem::path source = flash_->Movie().toStdString();
    bool made = false;
    {
        WaitCursor busy;
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        made = !error && tools::MakeScreenSaver(source, target, PlayerProgram());
    }
    if (!made) {
        MessageBoxes::Information(this, "Something error!");
        return;
    }
    InstallScreenSaver(this, target);
}

void TMainForm::CaptureWindow() {
    // The preview as it shows now, at the widget's size in pixels.
    QPixmap picture = flash_->grab();
    if (picture.size() != flash_->size()) {
        picture = picture.scaled(flash_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(1);
    }
    image1_->setPixmap(picture);
    // The save dialog opens over the capture window, which stays on top.
    auto* form = new TCaptureForm(this, image1_->pixmap(), [this](QWidget* over, const QString& caption,
                                                                  const QString& filter, bool save) {
        return ChooseFile(caption, filter, save, over);
    });
    form->show();
}

}  // namespace glimmora
