// glimmora-cli new: a new project from one of the templates.

#include "app/cli/Commands.h"

#include "app/cli/OpenProject.h"
#include "app/cli/Templates.h"
#include "document/ConversionError.h"
#include "document/FileBytes.h"
#include "document/ProjectFiles.h"

#include <filesystem>
#include <iostream>

namespace glimmora::cli {

namespace {

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

// A template's pictures and sounds (named after its objects, beside it) go
// beside the new project, so that it builds as the template does.
void CopyTemplateMedia(const std::filesystem::path& templateFile, const std::filesystem::path& project)
{
    OpenProject copy(project);
    const IXMLObjList objects = copy.Movie().Obj();
    const std::filesystem::path from = std::filesystem::path(templateFile).replace_extension();
    for (int i = 0; i < objects.Count(); ++i) {
        const IXMLObj obj = objects.Items(i);
        const std::string kind = obj.ObjTypeName();
        if (kind != "Pic" && kind != "Sound") continue;
        const auto media = kind == "Pic" ? PictureFileOf : SoundFileOf;
        const std::filesystem::path source = media(from, obj.ObjName());
        std::error_code error;
        if (std::filesystem::is_regular_file(source, error)) ReplaceFile(source, media(copy.BasePath(), obj.ObjName()));
    }
}

int RunNew(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 1) throw UsageError("new takes one project file");
    std::filesystem::path project = std::filesystem::absolute(parsed.positional[0]);
    if (project.extension() != ".gmr") throw UsageError(project.filename().string() + " does not end in .gmr");
    const std::string name = parsed.Option("--template").value_or("blank");
    const std::filesystem::path templateFile = TemplateFolder() / (name + ".gmr");
    std::error_code error;
    if (name.find('/') != std::string::npos || !std::filesystem::is_regular_file(templateFile, error)) {
        throw UsageError("there is no template '" + name + "' (the templates: " + JoinNames(TemplateNames()) +
                         ")");
    }
    if (std::filesystem::exists(project, error) && !parsed.Flag("--force"))
        throw DocumentError(project.string() + " exists already (--force replaces it)");

    const std::optional<std::string> bytes = ReadFileBytes(templateFile);
    if (!bytes) throw DocumentError("Cannot read the template " + templateFile.string());
    WriteFileReplacing(project, *bytes);
    CopyTemplateMedia(templateFile, project);
    std::cout << "Project written to " << project.string() << " (template " << name << ")\n";
    return 0;
}

}  // namespace

CommandSyntax NewCommand()
{
    CommandSyntax syntax;
    syntax.name = "new";
    syntax.usage = {"PROJECT.gmr [--template NAME] [--force]"};
    syntax.summary = "Makes a new project from a template.";
    syntax.description =
        "Copies a template of the program folder (blank: an empty movie; normal: a movie with sample texts) "
        "to PROJECT.gmr, with the pictures and sounds its objects use, as the editor's File New does. An "
        "existing file is kept unless --force is given.";
    syntax.options = {
        {{"--template"}, "NAME", "The template: blank (the default) or normal.", WordKind::Template},
        {{"--force"}, "", "Replaces an existing PROJECT.gmr."},
    };
    syntax.arguments = {WordKind::NewProject};
    syntax.group = CommandGroup::Projects;
    syntax.run = RunNew;
    return syntax;
}

}  // namespace glimmora::cli
