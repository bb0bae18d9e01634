#include "MainWindowFixture.h"

#include "document/XmlBinding.h"
#include "objects/TGlobalVars.h"
#include "support/GuiApplication.h"
#include "support/ProjectFixtures.h"
#include "support/TestPaths.h"
#include "workspace/TObjListForm.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QSettings>
#include <QTreeWidget>

namespace glimmora::test {

void EnsureApplication() { EnsureGuiApplication("workspace_main_tests"); }

void ProcessEventsFor(int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
}

std::string TextsProject(const std::vector<std::pair<std::string, int>>& texts) {
    std::string objects;
    for (const auto& [name, layer] : texts) {
        std::string xml = StaticTextXml(name, "Hi " + name, 20, 30);
        const std::string from = "<Layer>2</Layer>";
        xml.replace(xml.find(from), from.size(), "<Layer>" + std::to_string(layer) + "</Layer>");
        objects += xml;
    }
    return MovieXml(objects);
}

MainWindowTest::MainWindowTest() {
    EnsureApplication();
    if (qEnvironmentVariableIsSet("TEMP")) originalTemp = qgetenv("TEMP");
    temp = dir / "temp";
    std::filesystem::create_directories(temp);
    qputenv("TEMP", QByteArray::fromStdString(temp.string()));
    ResetGlobalVars();
    // Settings of this test only.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString((dir / "settings").string()));
    TMainForm::SetProgramFolder(GLIMMORA_PROGRAM_DIR);
    MessageBoxes::SetSink([this](QWidget*, const MessageBoxes::Request& request) {
        boxes.push_back(request);
        if (request.kind != MessageBoxes::Kind::Question) return QMessageBox::Ok;
        if (answers.empty()) return QMessageBox::No;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    });
}

MainWindowTest::~MainWindowTest() {
    window.reset();
    // The next test's temporary folder is made through TEMP as well.
    if (originalTemp.isNull()) qunsetenv("TEMP");
    else qputenv("TEMP", originalTemp);
    MessageBoxes::SetSink({});
    TMainForm::SetProgramFolder({});
}

void MainWindowTest::Start(const QString& argument) {
    window = std::make_unique<TMainForm>(argument);
    window->SetFileChooser([this](QWidget*, const QString&, const QString&, bool) {
        if (files.empty()) return QString();
        const QString file = files.front();
        files.pop_front();
        return file;
    });
    window->SetGuideRunner([this] {
        if (guideAnswers.empty()) return false;
        const bool answer = guideAnswers.front();
        guideAnswers.pop_front();
        return answer;
    });
}

std::filesystem::path MainWindowTest::WriteProject(const std::string& name, const std::string& xml) {
    const std::filesystem::path file = dir / name;
    std::filesystem::create_directories(file.parent_path());
    WriteFile(file, xml);
    return file;
}

std::vector<std::string> MainWindowTest::ObjectListTexts() const {
    std::vector<std::string> texts;
    QTreeWidget& tree = window->ObjListForm()->ObjTree();
    for (int i = 0; i < tree.topLevelItemCount(); ++i) texts.push_back(tree.topLevelItem(i)->text(0).toStdString());
    return texts;
}

void MainWindowTest::SelectEntry(const std::string& name) {
    QTreeWidget& tree = window->ObjListForm()->ObjTree();
    const auto found = tree.findItems(QString::fromStdString(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    tree.setCurrentItem(found.front());
}

std::string MainWindowTest::Field(int index, const char* name) const {
    const IXMLObj obj = window->ObjListForm()->Movie().Obj().Items(index);
    pugi::xml_node type = obj.Node().child("ObjType");
    pugi::xml_node body = type.child("ObjText") ? type.child("ObjText") : type.child("ObjPic");
    if (body.child(name)) return body.child(name).text().as_string();
    return obj.Node().child(name).text().as_string();
}

bool MainWindowTest::Enabled(const char* command) const { return window->Action(command)->isEnabled(); }

std::vector<MessageBoxes::Request> MainWindowTest::QuestionsAsked() const {
    std::vector<MessageBoxes::Request> questions;
    for (const auto& box : boxes)
        if (box.kind == MessageBoxes::Kind::Question) questions.push_back(box);
    return questions;
}

}  // namespace glimmora::test
