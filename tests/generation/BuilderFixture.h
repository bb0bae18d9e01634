#pragma once
// A builder over the recording service and a document in a temporary folder.

#include "DocumentFixture.h"
#include "FakeWindows.h"
#include "generation/TVuzozUzev.h"
#include "support/CollectingReporter.h"
#include "support/RecordingSwfService.h"
#include "support/ScriptedRandom.h"

#include <memory>

namespace glimmora::test {

class BuilderTest : public DocumentTest {
protected:
    // Binds the document and makes a builder with every window hook.
    TVuzozUzev& Builder(const std::string& xml)
    {
        Load(xml);
        BuilderHooks hooks;
        hooks.background = &background;
        hooks.preview = &preview;
        hooks.mainWindow = &mainWindow;
        builder = std::make_unique<TVuzozUzev>(service, errors, random, hooks);
        builder->SetDocument(&root);
        return *builder;
    }

    std::vector<std::string> Calls(const std::string& prefix) { return service.Log().Matching(prefix); }
    const std::vector<std::string>& Calls() { return service.Calls(); }

    std::string WorkingMovie() const { return (dir / "Untitled.swf").string(); }

    RecordingSwfService service;
    CollectingReporter errors;
    ScriptedRandom random;
    FakeBackground background;
    FakePreview preview;
    FakeMainWindow mainWindow;
    std::unique_ptr<TVuzozUzev> builder;
};

}  // namespace glimmora::test
