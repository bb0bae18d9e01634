#pragma once
// The main window on the offscreen platform with a program folder, a TEMP
// folder and settings of the test's own; message boxes are collected.

#include "support/TempDir.h"
#include "widgets/MessageBoxes.h"
#include "workspace/TMainForm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace glimmora::test {

void EnsureApplication();
QByteArray ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const QByteArray& bytes);

class LanguageTest : public ::testing::Test {
protected:
    LanguageTest();
    ~LanguageTest() override;

    // Copies a file of the built program folder (a language file) into the test's.
    void Ship(const char* name);
    // Makes the main window as the program does, without an argument.
    void Start();
    // Closes the main window as the user does, then makes a new one.
    void Restart();
    QString Caption(const char* action) const;

    TempDir dir;
    std::filesystem::path program;  // the test's program folder
    std::unique_ptr<TMainForm> window;
    std::vector<MessageBoxes::Request> boxes;
    QByteArray originalTemp;
};

}  // namespace glimmora::test
