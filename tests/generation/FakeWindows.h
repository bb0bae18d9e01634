#pragma once
// Small stand-ins for the windows the builder and the adapters talk to. Each
// keeps its values in plain fields and logs what it was asked to do.

#include "generation/BuilderHooks.h"
#include "objects/TGlobalVars.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace glimmora::test {

class FakeChoiceList : public IChoiceList {
public:
    explicit FakeChoiceList(std::vector<std::string> entries = {}) : entries(std::move(entries)) {}
    int Count() const override { return int(entries.size()); }
    std::string Item(int index) const override { return entries.at(size_t(index)); }
    int ItemIndex() const override { return index; }
    void SetItemIndex(int i) override { index = i; }
    std::vector<std::string> entries;
    int index = -1;
};

class FakeTextEditor : public ITextEditor {
public:
    std::string Content() const override { return content; }
    void SetContent(const std::string& text) override
    {
        content = text;
        loadingSeen = GlobalVars().LoadingTextEditor;
    }
    int EditBegin() const override { return begin; }
    void SetEditBegin(int v) override { begin = v; }
    int EditEnd() const override { return end; }
    void SetEditEnd(int v) override { end = v; }
    int PositionX() const override { return x; }
    void SetPositionX(int v) override { x = v; }
    int PositionY() const override { return y; }
    void SetPositionY(int v) override { y = v; }
    IChoiceList& FontName() override { return fonts; }
    IChoiceList& FontSize() override { return sizes; }
    int FontColor() const override { return color; }
    void SetFontColor(int v) override { color = v; }
    IChoiceList& EffectName() override { return effects; }

    std::string content;
    int begin = 0, end = 0, x = 0, y = 0, color = 0;
    FakeChoiceList fonts{{"Arial", "Sans", "Serif"}};
    FakeChoiceList sizes{{"8", "9", "10", "12", "18", "72"}};
    FakeChoiceList effects{{"-- None --", "Come In", "Fade In", "Sin"}};
    bool loadingSeen = false;
};

class FakeTextEffectWindow : public ITextEffectWindow {
public:
    int ExScale() const override { return values[0]; }
    void SetExScale(int v) override { values[0] = v; }
    int ExRotate() const override { return values[1]; }
    void SetExRotate(int v) override { values[1] = v; }
    int ExShock() const override { return values[2]; }
    void SetExShock(int v) override { values[2] = v; }
    int ExColor() const override { return values[3]; }
    void SetExColor(int v) override { values[3] = v; }
    int ExAlpha() const override { return values[4]; }
    void SetExAlpha(int v) override { values[4] = v; }
    int ExSpeed() const override { return values[5]; }
    void SetExSpeed(int v) override { values[5] = v; }
    int values[6] = {};
};

class FakePicEditor : public IPicEditor {
public:
    void LoadImage(const std::string& file) override
    {
        loadingSeen = GlobalVars().LoadingPicEditor;
        if (failLoad) throw std::runtime_error("cannot load " + file);
        image = file;
    }
    void ClearImage() override { image.clear(); }
    int EditPositionX() const override { return x; }
    void SetEditPositionX(int v) override { x = v; }
    int EditPositionY() const override { return y; }
    void SetEditPositionY(int v) override { y = v; }
    int EditWidth() const override { return width; }
    void SetEditWidth(int v) override { width = v; }
    int EditHeight() const override { return height; }
    void SetEditHeight(int v) override { height = v; }
    int EditBegin() const override { return begin; }
    void SetEditBegin(int v) override { begin = v; }
    int EditEnd() const override { return end; }
    void SetEditEnd(int v) override { end = v; }
    IChoiceList& EffectName() override { return effects; }

    std::string image = "previous.jpg";
    bool failLoad = false;
    bool loadingSeen = false;
    int x = 0, y = 0, width = 0, height = 0, begin = 0, end = 0;
    FakeChoiceList effects{{"-- None --", "Zoom In", "Move Up"}};
};

class FakeSoundEditor : public ISoundEditor {
public:
    std::string Content() const override { return content; }
    void SetContent(const std::string& text) override
    {
        content = text;
        loadingSeen = GlobalVars().LoadingSoundEditor;
    }
    std::string content;
    bool loadingSeen = false;
};

class FakeObjectList : public IObjectListHook {
public:
    void AppendNode(const std::string& name) override { log.push_back("AppendNode(" + name + ")"); }
    void SelectLastNode() override { log.push_back("SelectLastNode()"); }
    std::optional<std::string> SelectedName() const override { return selected; }
    std::vector<std::string> log;
    std::optional<std::string> selected;
};

class FakePreview : public IPreview {
public:
    std::string Movie() const override { return movie; }
    void SetMovie(const std::string& file) override { movie = file; }
    int TotalFrames() const override
    {
        if (failTotalFrames) throw std::runtime_error("no movie");
        return totalFrames;
    }
    int FrameNum() const override { return frame; }
    void SetFrameNum(int f) override
    {
        frame = f;
        log.push_back("SetFrameNum(" + std::to_string(f) + ")");
    }
    bool Playing() const override { return playing; }
    bool Loop() const override { return loop; }
    void SetLoop(bool l) override { loop = l; }
    std::string BGColor() const override { return bgColor; }
    void SetBGColor(const std::string& c) override { bgColor = c; }
    void Play() override { playing = true; }

    std::string movie = "http://";
    int totalFrames = 0;
    bool failTotalFrames = false;
    int frame = 0;
    bool playing = false;
    bool loop = false;
    std::string bgColor;
    std::vector<std::string> log;
};

class FakeMainWindow : public IMainWindowHooks {
public:
    void LoadPreview(const std::string& file, std::vector<uint8_t> written) override
    {
        log.push_back("LoadPreview(" + file + ")");
        writtenBytes.push_back(written.size());
    }
    std::vector<size_t> writtenBytes;  // the size of each LoadPreview's bytes
    void PlayPreview(bool loop) override { log.push_back(std::string("PlayPreview(") + (loop ? "true" : "false") + ")"); }
    void SetLoopChecked(bool checked) override { loopChecked = checked; }
    std::vector<std::string> log;
    bool loopChecked = false;
};

class FakeBackground : public IBackgroundEditor {
public:
    int Color() const override { return color; }
    void SetColor(int c) override
    {
        color = c;
        loadingSeen = GlobalVars().LoadingMovieProperties;
    }
    int Width() const override { return width; }
    void SetWidth(int v) override { width = v; }
    int Height() const override { return height; }
    void SetHeight(int v) override { height = v; }
    int Rate() const override { return rate; }
    void SetRate(int v) override { rate = v; }
    int color = -1, width = -1, height = -1, rate = -1;
    bool loadingSeen = false;
};

}  // namespace glimmora::test
