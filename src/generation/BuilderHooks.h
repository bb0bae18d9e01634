#pragma once
// The windows the movie builder works with. Every one is optional, so the
// command-line tool can build headless.

#include "generation/IBackgroundEditor.h"
#include "generation/IMainWindowHooks.h"
#include "generation/IObjectListHook.h"
#include "generation/IPicEditor.h"
#include "generation/IPreview.h"
#include "generation/ISoundEditor.h"
#include "generation/ITextEditor.h"

namespace glimmora {

struct BuilderHooks {
    IBackgroundEditor* background = nullptr;
    IPreview* preview = nullptr;
    IMainWindowHooks* mainWindow = nullptr;
    // Wired into the builder's own adapters, which the editors work through.
    ITextEditor* textEditor = nullptr;
    ITextEffectWindow* textEffectWindow = nullptr;
    IPicEditor* picEditor = nullptr;
    ISoundEditor* soundEditor = nullptr;
    IObjectListHook* objectList = nullptr;
};

}  // namespace glimmora
