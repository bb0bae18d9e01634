#include "generation/ObjectGeneration.h"

#include "document/ConversionError.h"
#include "document/IntegerText.h"
#include "swf/SwfService.h"

#include <stdexcept>

namespace glimmora {

std::optional<std::string> FrameOutsideMovie(const char* field, int frame)
{
    if (frame < 0)
        return std::string(field) + " " + std::to_string(frame) + " is before the first frame (0)";
    if (frame > kLastMovieFrame)
        return std::string(field) + " " + std::to_string(frame) + " is beyond the last frame a movie can have (" +
               std::to_string(kLastMovieFrame) + ")";
    return std::nullopt;
}

namespace {

// The frame in `field` when it holds one outside the movie. Only what is
// there is looked at: a missing or unreadable field is the adapter's to
// read (or not, as a sound's frames are not).
std::optional<std::string> StoredFrameOutsideMovie(const IXMLObj& obj, const char* field)
{
    const std::optional<std::string> text = obj.FindText(field);
    const std::optional<int> frame = text ? TryParseIntegerText(*text) : std::nullopt;
    return frame ? FrameOutsideMovie(field, *frame) : std::nullopt;
}

}  // namespace

void GenerateObject(TFlashObj& adapter, const IXMLObj& obj, IErrorReporter* errors)
{
    const std::string name = obj.ObjName();
    const auto named = [&name](const std::exception& error) { return name + ": " + error.what(); };
    try {
        std::optional<std::string> outside = StoredFrameOutsideMovie(obj, "StartTime");
        if (!outside) outside = StoredFrameOutsideMovie(obj, "EndTime");
        if (outside) {
            if (errors) errors->ShowObjectProblem({name, *outside + "; the object is left out of the movie", {}});
            return;
        }
        adapter.ObjName = name;  // for the messages of the generation
        adapter.Generate(obj);
    } catch (const ConversionError& error) {
        throw ConversionError(named(error));
    } catch (const DocumentError& error) {
        throw DocumentError(named(error));
    } catch (const SwfError& error) {
        throw SwfError(named(error));
    } catch (const std::range_error& error) {
        throw std::range_error(named(error));
    } catch (const std::logic_error& error) {
        throw std::logic_error(named(error));
    } catch (const std::exception& error) {
        throw std::runtime_error(named(error));
    }
}

}  // namespace glimmora
