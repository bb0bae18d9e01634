#include "LanguageFixture.h"

#include "objects/TGlobalVars.h"
#include "settings/LanguageSwitch.h"
#include "support/GuiApplication.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSettings>

namespace glimmora::test {

void EnsureApplication() { EnsureGuiApplication("workspace_language_tests"); }

QByteArray ReadBytes(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void WriteBytes(const std::filesystem::path& file, const QByteArray& bytes) {
    std::filesystem::create_directories(file.parent_path());
    QFile out(QString::fromStdString(file.string()));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << file;
    out.write(bytes);
}

LanguageTest::LanguageTest() {
    EnsureApplication();
    if (qEnvironmentVariableIsSet("TEMP")) originalTemp = qgetenv("TEMP");
    std::filesystem::create_directories(dir / "temp");
    qputenv("TEMP", QByteArray::fromStdString((dir / "temp").string()));
    ResetGlobalVars();
    ReleaseLanguage();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((dir / "settings").string()));
    program = dir / "program";
    std::filesystem::create_directories(program);
    std::filesystem::copy(std::filesystem::path(GLIMMORA_PROGRAM_DIR) / "template", program / "template",
                          std::filesystem::copy_options::recursive);
    TMainForm::SetProgramFolder(program);
    MessageBoxes::SetSink([this](QWidget*, const MessageBoxes::Request& request) {
        boxes.push_back(request);
        return request.kind == MessageBoxes::Kind::Question ? QMessageBox::No : QMessageBox::Ok;
    });
}

LanguageTest::~LanguageTest() {
    window.reset();
    ReleaseLanguage();
    MessageBoxes::SetSink({});
    TMainForm::SetProgramFolder({});
    if (originalTemp.isNull()) qunsetenv("TEMP");
    else qputenv("TEMP", originalTemp);
}

void LanguageTest::Ship(const char* name) {
    std::filesystem::copy_file(std::filesystem::path(GLIMMORA_PROGRAM_DIR) / name, program / name,
                               std::filesystem::copy_options::overwrite_existing);
}

void LanguageTest::Start() {
    window = std::make_unique<TMainForm>();
    window->SetFileChooser([](QWidget*, const QString&, const QString&, bool) { return QString(); });
    window->SetGuideRunner([] { return false; });
}

void LanguageTest::Restart() {
    if (window) window->close();
    window.reset();
    ResetGlobalVars();
    Start();
}

QString LanguageTest::Caption(const char* action) const { return window->Action(action)->text(); }

}  // namespace glimmora::test
