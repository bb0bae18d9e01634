#pragma once
// The real main window on the offscreen platform, in a fresh temporary
// folder (its TEMP), with message boxes and file dialogs answered from queues.

#include "support/TempDir.h"
#include "widgets/MessageBoxes.h"
#include "workspace/TMainForm.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace glimmora::test {

void EnsureApplication();
void ProcessEventsFor(int milliseconds);

// A project of text objects (name, Layer) in this order.
std::string TextsProject(const std::vector<std::pair<std::string, int>>& texts);

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Makes the main window as the program does with this first argument.
    void Start(const QString& argument = {});
    // Writes a project file into the test folder and returns its path.
    std::filesystem::path WriteProject(const std::string& name, const std::string& xml);

    std::vector<std::string> ObjectListTexts() const;
    void SelectEntry(const std::string& name);
    std::string Field(int index, const char* name) const;  // a text field of object `index` (ObjText or ObjPic)
    bool Enabled(const char* command) const;
    std::vector<MessageBoxes::Request> QuestionsAsked() const;

    TempDir dir;
    std::filesystem::path temp;
    std::unique_ptr<TMainForm> window;
    std::vector<MessageBoxes::Request> boxes;
    std::deque<QMessageBox::StandardButton> answers;  // default: No
    std::deque<QString> files;                        // default: cancelled
    std::deque<bool> guideAnswers;                    // default: cancelled
    QByteArray originalTemp;
};

}  // namespace glimmora::test
