#pragma once
// The editor windows over a real builder and the recording SWF service, on a
// document in a fresh temporary folder; a QApplication on the offscreen
// platform; per-test settings and collected message boxes.

#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "objects/TGlobalVars.h"
#include "support/CollectingReporter.h"
#include "support/RecordingSwfService.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TSoundForm.h"
#include "workspace/TTextForm.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace glimmora::test {

// The one QApplication of the test program (offscreen).
void EnsureApplication();

// Runs the event loop for `milliseconds` (timers fire).
void ProcessEventsFor(int milliseconds);

class FakeObjectList : public IObjectListHook {
public:
    void AppendNode(const std::string& name) override { nodes.push_back(name); }
    void SelectLastNode() override {}
    std::optional<std::string> SelectedName() const override { return selected; }
    std::vector<std::string> nodes;
    std::optional<std::string> selected;
};

std::string TextXml(const std::string& name, const std::string& fontSize = "18",
                    const std::string& effect = "-- None --", int start = 0, int end = 9, int exSpeed = 9,
                    int exScale = 0);
std::string PicXml(const std::string& name, const std::string& content = "", const std::string& effect = "-- None --",
                   int width = 100, int height = 50);
std::string SoundXml(const std::string& name, const std::string& content = "");
std::string MovieXml(const std::string& objects, int width = 550, int height = 400, int rate = 12);

class EditorTest : public ::testing::Test {
protected:
    EditorTest();
    ~EditorTest() override;

    // Writes the document, binds it and makes the builder with every editor.
    void Open(const std::string& xml);
    // Selects object `index` in the (fake) object list and shows it in its editor.
    void ShowText(int index);
    void ShowPic(int index);
    void ShowSound(int index);

    int Builds() { return int(service.Log().Matching("movie.WriteMovie").size()); }
    std::vector<std::string> Calls(const std::string& prefix) { return service.Log().Matching(prefix); }
    // A text field of object `index`.
    std::string Field(int index, const char* path) const;

    TempDir dir;
    TXMLDocument doc;
    IXMLMovie root;
    RecordingSwfService service;
    CollectingReporter errors;    // the builder's messages
    CollectingReporter messages;  // the editors' messages
    ScriptedRandom random;
    FakeObjectList objectList;
    std::unique_ptr<TBackgroundForm> background;
    std::unique_ptr<TTextForm> text;
    std::unique_ptr<TPicForm> pic;
    std::unique_ptr<TSoundForm> sound;
    std::unique_ptr<TVuzozUzev> builder;
};

}  // namespace glimmora::test
