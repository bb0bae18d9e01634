// glimmora-cli list: the movie's properties and its objects, as a table or
// as JSON for scripts. The project file is not changed.

#include "app/cli/Commands.h"

#include "app/cli/JsonText.h"
#include "app/cli/ObjectProperties.h"
#include "app/cli/OpenProject.h"
#include "document/IntegerText.h"
#include "generation/Utf8Text.h"

#include <algorithm>
#include <iostream>

namespace glimmora::cli {

namespace {

// A property's value as JSON: integers as numbers when they read as one.
std::string JsonValue(const PropertySpec& property, const std::string& text)
{
    if (property.type == PropertyType::Integer || property.type == PropertyType::FontSize)
        if (const auto number = TryParseIntegerText(text)) return std::to_string(*number);
    return JsonString(text);
}

void PrintPropertiesJson(std::ostream& out, const IXMLMovie& movie, const IXMLObj* obj, const std::string& kind)
{
    bool first = true;
    out << '{';
    for (const PropertySpec& property : PropertiesOf(kind)) {
        const std::string text = PropertyHolder(movie, obj, property).PropertyText(property.name.c_str());
        out << (first ? "" : ", ") << JsonString(property.name) << ": " << JsonValue(property, text);
        first = false;
    }
    out << '}';
}

void PrintJson(std::ostream& out, OpenProject& project)
{
    const IXMLMovie& movie = project.Movie();
    const IXMLObjList objects = movie.Obj();
    out << "{\n  \"file\": " << JsonString(project.File().string()) << ",\n  \"movie\": ";
    PrintPropertiesJson(out, movie, nullptr, "Movie");
    out << ",\n  \"objects\": [";
    for (int i = 0; i < objects.Count(); ++i) {
        const IXMLObj obj = objects.Items(i);
        out << (i == 0 ? "\n    " : ",\n    ");
        PrintPropertiesJson(out, movie, &obj, obj.ObjTypeName());
    }
    out << (objects.Count() ? "\n  ]\n}\n" : "]\n}\n");
}

void PrintTable(std::ostream& out, OpenProject& project)
{
    const IXMLMovie& movie = project.Movie();
    const IXMLObjList objects = movie.Obj();
    out << project.File().filename().string() << ": " << movie.PropertyText("Width") << " x "
        << movie.PropertyText("Height") << " pixels, " << movie.PropertyText("Rate") << " frames a second, "
        << objects.Count() << (objects.Count() == 1 ? " object\n" : " objects\n");
    if (objects.Count() == 0) return;

    std::vector<std::vector<std::string>> rows{{"NAME", "KIND", "FRAMES", "EFFECT", "CONTENT"}};
    for (int i = 0; i < objects.Count(); ++i) {
        const IXMLObj obj = objects.Items(i);
        const std::string kind = obj.ObjTypeName();
        const IXMLNode part = kind == "Text" ? IXMLNode(obj.ObjType().ObjText())
                              : kind == "Pic" ? IXMLNode(obj.ObjType().ObjPic())
                                              : IXMLNode(obj.ObjType().ObjSound());
        const bool sound = kind == "Sound";
        rows.push_back({obj.ObjName(), kind,
                        sound ? "from 0" : obj.PropertyText("StartTime") + "-" + obj.PropertyText("EndTime"),
                        sound ? "" : part.PropertyText("EffectName"), part.PropertyText("Content")});
    }
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], DecodeUtf8(row[c]).size());
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(widths[c] - DecodeUtf8(row[c]).size() + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << line << '\n';
    }
}

int RunList(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 1) throw UsageError("list takes one project file");
    OpenProject project(parsed.positional[0]);
    if (parsed.Flag("--json"))
        PrintJson(std::cout, project);
    else
        PrintTable(std::cout, project);
    return 0;
}

}  // namespace

CommandSyntax ListCommand()
{
    CommandSyntax syntax;
    syntax.name = "list";
    syntax.usage = {"PROJECT.gmr [--json]"};
    syntax.summary = "Shows a project's movie and its objects with their kind, frames and effect.";
    syntax.description =
        "Frames count from 0 (the editor shows them counted from 1); a sound plays from the start of the "
        "movie. With --json, every property of the movie and of each object, named as in the project file "
        "and as the set command names them: numbers as numbers, the rest as text.";
    syntax.options = {{{"--json"}, "", "Prints JSON for scripts."}};
    syntax.arguments = {WordKind::Project};
    syntax.group = CommandGroup::Projects;
    syntax.run = RunList;
    return syntax;
}

}  // namespace glimmora::cli
