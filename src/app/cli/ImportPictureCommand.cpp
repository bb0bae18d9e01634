#include "app/cli/Commands.h"

#include "app/cli/ConsoleReporter.h"
#include "app/cli/NewObjects.h"
#include "app/cli/OpenProject.h"
#include "document/ConversionError.h"
#include "document/ProjectFiles.h"
#include "effects/picture/import/PictureImport.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace glimmora::cli {

namespace {

int RunImportPicture(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 3) throw UsageError("import-picture takes a project, an object name and a picture");
    const std::filesystem::path project = std::filesystem::absolute(parsed.positional[0]);
    const std::string objectName = parsed.positional[1];
    const std::filesystem::path picture = std::filesystem::absolute(parsed.positional[2]);
    if (objectName.empty() || objectName.find_first_of("/\\") != std::string::npos)
        throw UsageError("'" + objectName + "' cannot name a picture file");

    OpenProject document(project);
    std::optional<IXMLObj> obj = document.Find(objectName);
    if (!obj) {
        if (!parsed.Flag("--new"))
            throw DocumentError(project.filename().string() + " has no object named '" + objectName +
                                "' (use --new to create it)");
        CheckNewObjectName(document, objectName);
        obj = AddObject(document, "Pic", objectName);
    } else {
        obj = document.Require(objectName, "Pic");
    }

    const std::filesystem::path base = std::filesystem::path(project).replace_extension();
    const StoredPictureFiles targets{PictureFileOf(base, objectName), TransparentPictureFileOf(base, objectName)};
    ConsoleReporter reporter;
    reporter.confirmation = parsed.Flag("--scale-down");
    const std::optional<StoredPicture> stored = ImportPicture(picture, targets, reporter);
    if (!stored) {
        if (reporter.count == 0)
            std::cerr << "glimmora-cli: " << picture.string() << " is not a BMP, JPEG, PNG, GIF or WebP picture\n";
        return 1;
    }
    IXMLObjPic pic = obj->ObjType().ObjPic();
    pic.SetContent(picture.string());
    pic.SetWidth(stored->width);
    pic.SetHeight(stored->height);
    document.Save();
    std::cout << "Picture " << stored->width << " x " << stored->height << " stored as " << stored->file.string()
              << '\n';
    return 0;
}

}  // namespace

CommandSyntax ImportPictureCommand()
{
    CommandSyntax syntax;
    syntax.name = "import-picture";
    syntax.usage = {"PROJECT.gmr OBJECT PICTURE [--new] [--scale-down]"};
    syntax.summary = "Converts a picture into a picture object of a project.";
    syntax.description =
        "Converts a BMP, JPEG, PNG, GIF (its first frame) or WebP picture of at most 800 x 600 pixels into the "
        "project's folder and records it, with its size, in the picture object OBJECT, as the editor's picture "
        "editor does: as OBJECT.jpg (JPEG quality 75), or losslessly as OBJECT.png when it has transparent pixels.";
    syntax.options = {{{"--new"}, "", "Creates the picture object OBJECT when the project has none of that name."},
                    {{"--scale-down"}, "", "Scales a picture larger than 800 x 600 down to fit, keeping its aspect."}};
    syntax.arguments = {WordKind::Project, WordKind::PictureObject, WordKind::Picture};
    syntax.group = CommandGroup::Projects;
    syntax.run = RunImportPicture;
    return syntax;
}

}  // namespace glimmora::cli
