// glimmora-cli set: changes one property of an object or of the movie.

#include "app/cli/Commands.h"

#include "app/cli/ObjectProperties.h"
#include "app/cli/OpenProject.h"
#include "document/ConversionError.h"
#include "document/IntegerText.h"
#include "document/ProjectFiles.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace glimmora::cli {

namespace {

std::string SettableNames(const std::string& kind)
{
    std::string names;
    for (const PropertySpec& property : PropertiesOf(kind))
        if (property.settable) names += (names.empty() ? "" : ", ") + property.name;
    return names;
}

// A start frame after the end frame (or the other way round) is refused, so
// that a script moving an object sets the far end first.
void CheckFrameOrder(const IXMLObj& obj, const PropertySpec& property, int frame)
{
    const bool start = property.name == "StartTime";
    const std::optional<int> other = TryParseIntegerText(obj.PropertyText(start ? "EndTime" : "StartTime"));
    if (!other || (start ? frame <= *other : frame >= *other)) return;
    throw UsageError(obj.ObjName() + ": " + property.name + " " + std::to_string(frame) + " would come " +
                     (start ? "after EndTime " : "before StartTime ") + std::to_string(*other) + " (set " +
                     (start ? "EndTime" : "StartTime") + " first)");
}

// The object's picture or sound file follows its new name. Returns the move
// to undo if the project cannot be saved, or nothing.
std::optional<std::pair<std::filesystem::path, std::filesystem::path>> MoveMedia(OpenProject& project,
                                                                                 const IXMLObj& obj,
                                                                                 const std::string& newName)
{
    const std::string kind = obj.ObjTypeName();
    if (kind != "Pic" && kind != "Sound") return std::nullopt;
    const auto media = kind == "Pic" ? PictureFileOf : SoundFileOf;
    const std::filesystem::path from = media(project.BasePath(), obj.ObjName());
    const std::filesystem::path to = media(project.BasePath(), newName);
    std::error_code error;
    if (!std::filesystem::exists(from, error)) return std::nullopt;
    if (std::filesystem::exists(to, error))
        throw DocumentError("Cannot rename " + obj.ObjName() + ": " + to.string() + " exists already");
    std::filesystem::rename(from, to, error);
    if (error) throw DocumentError("Cannot rename " + from.string() + " to " + to.string() + ": " + error.message());
    return std::make_pair(from, to);
}

int RunSet(const ParsedArgs& parsed)
{
    const bool ofMovie = parsed.Flag("--movie");
    if (parsed.positional.size() != (ofMovie ? 3u : 4u)) {
        throw UsageError(ofMovie ? "set --movie takes a project, a property and a value"
                                 : "set takes a project, an object, a property and a value");
    }
    OpenProject project(parsed.positional[0]);
    const std::string& propertyName = parsed.positional[ofMovie ? 1 : 2];
    const std::string& value = parsed.positional[ofMovie ? 2 : 3];

    std::optional<IXMLObj> obj;
    if (!ofMovie) {
        obj = project.Find(parsed.positional[1]);
        if (!obj) throw DocumentError(project.File().filename().string() + " has no object named '" + parsed.positional[1] + "'");
    }
    const std::string kind = obj ? obj->ObjTypeName() : "Movie";
    const std::string subject = obj ? obj->ObjName() : "The movie";
    const PropertySpec* property = FindProperty(kind, propertyName);
    if (!property) {
        throw UsageError(subject + " has no property '" + propertyName + "' (it has: " + SettableNames(kind) + ")");
    }
    if (!property->settable) {
        const std::string by = kind == "Pic" ? " (import-picture sets it)" : kind == "Sound" ? " (import-sound sets it)" : "";
        throw UsageError(subject + ": " + property->name + " is not set by this command" + by);
    }

    const std::string stored = CheckedValue(*property, value, subject);
    const IXMLNode holder = PropertyHolder(project.Movie(), obj ? &*obj : nullptr, *property);
    const std::string before = holder.PropertyText(property->name.c_str());
    if (obj && (property->name == "StartTime" || property->name == "EndTime"))
        CheckFrameOrder(*obj, *property, std::stoi(stored));

    std::optional<std::pair<std::filesystem::path, std::filesystem::path>> moved;
    if (property->type == PropertyType::Name && stored != before) {
        CheckNewObjectName(project, stored);
        moved = MoveMedia(project, *obj, stored);
    }
    holder.SetPropertyText(property->name.c_str(), stored);
    try {
        project.Save();
    } catch (...) {
        std::error_code error;
        if (moved) std::filesystem::rename(moved->second, moved->first, error);
        throw;
    }
    std::cout << subject << ": " << property->name << " is " << stored << " (was " << before << ")";
    if (moved) std::cout << "; " << moved->first.filename().string() << " is now " << moved->second.filename().string();
    std::cout << '\n';
    return 0;
}

}  // namespace

CommandSyntax SetCommand()
{
    CommandSyntax syntax;
    syntax.name = "set";
    syntax.usage = {"PROJECT.gmr OBJECT PROPERTY VALUE", "PROJECT.gmr --movie PROPERTY VALUE"};
    syntax.summary = "Changes one property of an object or of the movie.";
    syntax.description =
        "Properties are named as in the project file (list --json shows them all); letter case does not "
        "matter. Values are checked as the editors check them:\n"
        "\n"
        "  every object: ObjName (its picture or sound file is renamed with it)\n"
        "  text:     StartTime EndTime (0-9999) Content FontName FontSize FontColor\n"
        "            PositionX PositionY EffectName ExScale ExRotate ExShock ExColor\n"
        "            ExAlpha ExSpeed\n"
        "  picture:  StartTime EndTime (0-99999) PositionX PositionY Width Height\n"
        "            EffectName\n"
        "  movie:    Width (1-800) Height (1-600) Rate (1-90) BgColor Loop\n"
        "            MovieName Author\n"
        "\n"
        "Frames count from 0. Colours are $BBGGRR (as the project file writes them), #RRGGBB or decimal. "
        "Only this one property changes: an effect's length stays ExSpeed (its frames minus 1) until that is "
        "set too. A start frame after the end frame is refused, so set the far end first when moving an "
        "object. A negative number is a value, not an option, and so is a word with a blank (the effect "
        "-- None --).";
    syntax.options = {{{"--movie"}, "", "Changes a property of the movie instead of an object's."}};
    syntax.arguments = {WordKind::Project, WordKind::Object, WordKind::Property, WordKind::PropertyValue};
    syntax.group = CommandGroup::Projects;
    syntax.run = RunSet;
    return syntax;
}

}  // namespace glimmora::cli
