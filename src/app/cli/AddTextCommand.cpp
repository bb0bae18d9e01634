// glimmora-cli add-text: a new text object, as the editor's Insert Text makes
// one and its text editor then changes it.

#include "app/cli/Commands.h"

#include "app/cli/NewObjects.h"
#include "app/cli/ObjectProperties.h"
#include "app/cli/OpenProject.h"
#include "document/IntegerText.h"
#include "effects/text/TextEffectDefaults.h"

#include <iostream>

namespace glimmora::cli {

namespace {

// "A<sep>B" as two integers.
std::pair<std::string, std::string> SplitPair(const std::string& text, char separator, const std::string& what)
{
    const size_t at = text.find(separator, 1);  // "-5,-6": the first character may be a sign
    if (at == std::string::npos) throw UsageError("'" + text + "' is not " + what);
    return {text.substr(0, at), text.substr(at + 1)};
}

// Checks `value` for the text property `name` and writes it.
void SetChecked(const IXMLMovie& movie, const IXMLObj& obj, const std::string& name, const std::string& value)
{
    const PropertySpec& property = *FindProperty("Text", name);
    const std::string stored = CheckedValue(property, value, obj.ObjName());
    PropertyHolder(movie, &obj, property).SetPropertyText(property.name.c_str(), stored);
}

int RunAddText(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 2) throw UsageError("add-text takes a project and a text");
    OpenProject project(parsed.positional[0]);
    const std::string name = parsed.Option("--name").value_or("");
    if (!name.empty()) CheckNewObjectName(project, name);
    const IXMLObj obj = AddObject(project, "Text", name);
    const IXMLMovie& movie = project.Movie();

    SetChecked(movie, obj, "Content", parsed.positional[1]);
    if (const auto font = parsed.Option("--font")) SetChecked(movie, obj, "FontName", *font);
    if (const auto size = parsed.Option("--size")) SetChecked(movie, obj, "FontSize", *size);
    if (const auto colour = parsed.Option("--colour")) SetChecked(movie, obj, "FontColor", *colour);
    if (const auto at = parsed.Option("--at")) {
        const auto [x, y] = SplitPair(*at, ',', "a position X,Y");
        SetChecked(movie, obj, "PositionX", x);
        SetChecked(movie, obj, "PositionY", y);
    }
    // As in the text editor: a chosen effect brings its own length (a name
    // of no known length keeps the new text's 9), and chosen frames set it.
    const std::string effect = parsed.Option("--effect").value_or("-- None --");
    SetChecked(movie, obj, "EffectName", effect);
    int speed = DefaultTextEffectSpeed(effect, 9);
    int first = 0;
    if (const auto frames = parsed.Option("--frames")) {
        const auto [a, b] = SplitPair(*frames, '-', "a frame range A-B");
        SetChecked(movie, obj, "StartTime", a);
        SetChecked(movie, obj, "EndTime", b);
        first = ParseIntegerText(obj.PropertyText("StartTime"));
        const int last = ParseIntegerText(obj.PropertyText("EndTime"));
        if (last < first) throw UsageError("the frame range " + *frames + " is backwards");
        speed = last - first;
    }
    const PropertySpec& speedProperty = *FindProperty("Text", "ExSpeed");
    speed = std::min(speed, speedProperty.maximum);
    obj.ObjType().ObjText().SetExSpeed(speed);
    if (!parsed.Option("--frames")) obj.SetEndTime(first + speed);

    project.Save();
    std::cout << obj.ObjName() << " added to " << project.File().string() << " (frames " << obj.StartTime() << "-"
              << obj.EndTime() << ", " << effect << ")\n";
    return 0;
}

}  // namespace

CommandSyntax AddTextCommand()
{
    CommandSyntax syntax;
    syntax.name = "add-text";
    syntax.usage = {"PROJECT.gmr TEXT [--effect NAME] [--font F] [--size N] [--colour C] [--at X,Y] "
                  "[--frames A-B] [--name NAME]"};
    syntax.summary = "Adds a text object to a project.";
    syntax.description =
        "Adds a text with the values the editor's Insert Text gives it (font Microsoft Sans Serif, or what "
        "the system has in its place, size 18, blue, at 50,50), changed by the options. The new object is "
        "named Text_1, Text_2, ... unless --name names it; its name is printed.\n"
        "\n"
        "As in the text editor, the effect brings its own length: the text runs from frame 0 for as many "
        "frames as the effect lasts, unless --frames gives them (counted from 0).\n"
        "\n"
        "  glimmora-cli add-text show.gmr 'Hello!' --effect 'Come In' --at 100,80";
    syntax.options = {
        {{"--effect"}, "NAME", "The text effect (glimmora-cli effects --text lists them).", WordKind::TextEffect},
        {{"--font"}, "F", "The font's name."},
        {{"--size"}, "N", "The font size: 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48 or 72."},
        {{"--colour"}, "C", "The colour: $BBGGRR (as the project file writes it), #RRGGBB or decimal."},
        {{"--at"}, "X,Y", "The position in pixels."},
        {{"--frames"}, "A-B", "The first and last frame, counted from 0."},
        {{"--name"}, "NAME", "The object's name (default: the next free Text_N)."},
    };
    syntax.arguments = {WordKind::Project, WordKind::Nothing};
    syntax.group = CommandGroup::Projects;
    syntax.run = RunAddText;
    return syntax;
}

}  // namespace glimmora::cli
