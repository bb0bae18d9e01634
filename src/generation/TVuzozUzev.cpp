#include "generation/TVuzozUzev.h"

#include "document/ColorValue.h"
#include "document/ProjectFiles.h"
#include "generation/GenerationKey.h"
#include "generation/ReportedProblems.h"
#include "generation/ObjectGeneration.h"
#include "objects/DocumentAccess.h"
#include "objects/TGlobalVars.h"
#include "swf/reader/DecodedMovie.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace glimmora {

namespace {

// Pixels to twips for SetSize. A size the player cannot show (negative, or
// wider or higher than its stage can be) is refused.
int PixelsToTwips(int pixels, const char* what)
{
    const int largest = swf::DecodeLimits{}.maxStagePixels;
    if (pixels < 0 || pixels > largest)
        throw std::range_error(std::string(what) + " " + std::to_string(pixels) +
                               " is not a movie size: a movie is 0 to " + std::to_string(largest) + " pixels " +
                               (std::string(what) == "Width" ? "wide" : "high"));
    return pixels * 20;
}

std::string UpperAscii(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

namespace {

std::filesystem::path InstanceUntitledBase()
{
    const std::string& untitled = GlobalVars().UntitledBase;
    return untitled.empty() ? DefaultUntitledBase() : std::filesystem::path(untitled);
}

}  // namespace

TVuzozUzev::TVuzozUzev(swfService& service, IErrorReporter& errors, IRandomSource& random, BuilderHooks hooks)
    : Media(StagingFolderOf(InstanceUntitledBase())), errors_(errors), random_(random), hooks_(hooks)
{
    TextAdapter = std::make_unique<TFlashTextF>();
    PicAdapter = std::make_unique<TFlashPicF>();
    SoundAdapter = std::make_unique<TFlashSoundF>();

    holders_ = SwfHolders::Create(service);

    BasePath = InstanceUntitledBase();
    WorkingProject = ProjectFileOf(BasePath);
    WorkingMovie = MovieFileOf(BasePath);

    TextAdapter->Editor = hooks_.textEditor;
    TextAdapter->EffectWindow = hooks_.textEffectWindow;
    TextAdapter->ObjectList = hooks_.objectList;
    PicAdapter->Editor = hooks_.picEditor;
    PicAdapter->ObjectList = hooks_.objectList;
    PicAdapter->BasePath = &BasePath;
    PicAdapter->Media = &Media;
    SoundAdapter->Editor = hooks_.soundEditor;
    SoundAdapter->ObjectList = hooks_.objectList;
    SoundAdapter->BasePath = &BasePath;
    SoundAdapter->Media = &Media;
}

void TVuzozUzev::SetDocument(IXMLMovie* document)
{
    Document = document;
    TextAdapter->Document = document;
    PicAdapter->Document = document;
    SoundAdapter->Document = document;
}

void TVuzozUzev::LoadMovieProperties()
{
    const IXMLMovie movie = BoundMovie(Document);
    TGlobalVars& globals = GlobalVars();
    {
        // Cleared on the way out even when a field does not read.
        LoadingFlagGuard loading(globals.LoadingMovieProperties);
        const int color = ParseColorValueOr(movie.BgColor(), 0);
        if (hooks_.background) hooks_.background->SetColor(color);
        const int width = movie.Width();
        if (hooks_.background) hooks_.background->SetWidth(width);
        const int height = movie.Height();
        if (hooks_.background) hooks_.background->SetHeight(height);
        const int rate = movie.Rate();
        if (hooks_.background) hooks_.background->SetRate(rate);
    }
    const bool loop = UpperAscii(movie.Loop()) == "TRUE";
    if (hooks_.mainWindow) hooks_.mainWindow->SetLoopChecked(loop);
    if (hooks_.preview) hooks_.preview->SetLoop(loop);
    globals.LoopPlayback = loop;
}

void TVuzozUzev::StoreMovieProperties()
{
    const IXMLMovie movie = BoundMovie(Document);
    if (hooks_.preview) {
        try {
            if (hooks_.preview->Movie() != kNoPreviewMovie) movie.SetTotalFrames(hooks_.preview->TotalFrames());
        } catch (const std::exception&) {
            // the frame count is only informative
        }
    }
    if (hooks_.background) {
        movie.SetBgColor(std::to_string(hooks_.background->Color()));
        movie.SetWidth(hooks_.background->Width());
        movie.SetHeight(hooks_.background->Height());
        movie.SetRate(hooks_.background->Rate());
    }
    const bool loop = hooks_.preview ? hooks_.preview->Loop() : GlobalVars().LoopPlayback;
    movie.SetLoop(loop ? "True" : "False");
}

void TVuzozUzev::BuildMovie(const std::filesystem::path& target) { Build(target, std::nullopt); }

void TVuzozUzev::BuildMovieShowing(const TFlashObj& edited)
{
    // An object whose end is not after its start still shows on its start frame.
    Build({}, Frames{edited.StartTime, std::max(edited.EndTime, edited.StartTime + 1)});
}

void TVuzozUzev::Build(const std::filesystem::path& target, std::optional<Frames> shown)
{
    const IXMLMovie movie = BoundMovie(Document);
    swfMovie& swf = *holders_.movie;

    const int width = movie.Width();
    const int height = movie.Height();
    swf.SetSize(PixelsToTwips(width, "Width"), PixelsToTwips(height, "Height"));
    swf.SetFrameRate(movie.Rate());
    swf.GotoFrame(0);
    const int color = ParseColorValue(movie.BgColor(), "BgColor");
    swf.SetFrameBkColor(RedOf(color), GreenOf(color), BlueOf(color));

    ProcessSwf();

    const std::filesystem::path written = target.empty() ? WorkingMovie : target;
    swf.WriteMovie(written.string());
    // Taken in every build, so that no copy of the movie outlives it.
    std::vector<uint8_t> bytes = swf.TakeWrittenMovie();

    TGlobalVars& globals = GlobalVars();
    IPreview* preview = hooks_.preview;
    int frame = 0;
    if (preview) {
        globals.WasPlaying = preview->Playing();
        frame = preview->FrameNum();
    }
    if (hooks_.mainWindow) hooks_.mainWindow->LoadPreview(written.string(), std::move(bytes));
    if (preview) {
        if (shown && (frame < shown->first || frame >= shown->end)) frame = shown->first;
        preview->SetFrameNum(frame);
        if (globals.WasPlaying && hooks_.mainWindow) hooks_.mainWindow->PlayPreview(globals.LoopPlayback);
    }
}

void TVuzozUzev::ProcessSwf()
{
    const IXMLMovie movie = BoundMovie(Document);
    GenerationContext context{&holders_, &errors_, &random_, BasePath, &Media};

    // A fresh set per build; the editors' adapters are not involved.
    TFlashTextF text;
    TFlashPicF pic;
    TFlashSoundF sound;
    for (TFlashObj* adapter : {static_cast<TFlashObj*>(&text), static_cast<TFlashObj*>(&pic),
                               static_cast<TFlashObj*>(&sound)}) {
        adapter->Document = Document;
        adapter->Context = &context;
    }

    // An object whose key the last builds saw is put back as they made it,
    // with what it reported then; the others are generated and kept.
    swfMovie& swf = *holders_.movie;
    for (const IXMLObj& obj : movie.Obj().All()) {
        const std::string kind = obj.ObjTypeName();
        TFlashObj* adapter = kind == "Text"  ? static_cast<TFlashObj*>(&text)
                           : kind == "Pic"   ? static_cast<TFlashObj*>(&pic)
                           : kind == "Sound" ? static_cast<TFlashObj*>(&sound)
                                             : nullptr;
        if (!adapter) continue;
        std::string key = GenerationKey(kind, obj, movie, BasePath);
        // The file a picture or sound is read from follows the session's
        // record (a rename, an import waiting for Save), not only the object.
        if (const auto media = MediaKindOf(kind))
            key += '\n' + FindMediaFile(&Media, BasePath, *media, obj.ObjName()).file.string();
        std::string reported;
        if (swf.ReusePart(key, &reported)) {
            ReportedProblems::Repeat(reported, &errors_);
            continue;
        }
        ReportedProblems problems(&errors_);
        context.errors = &problems;
        swf.BeginPart(key);
        GenerateObject(*adapter, obj, &problems);
        swf.EndPart(problems.Kept());
        context.errors = &errors_;
    }
}

}  // namespace glimmora
