#include "app/cli/Commands.h"

#include "app/cli/CommandLine.h"
#include "app/cli/ConsoleReporter.h"
#include "document/ConversionError.h"
#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "effects/picture/import/PictureImport.h"
#include "generation/TFlashPicF.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace glimmora::cli {

namespace {

std::optional<IXMLObj> FindObject(const IXMLMovie& movie, const std::string& name)
{
    const IXMLObjList list = movie.Obj();
    for (int i = 0; i < list.Count(); ++i) {
        IXMLObj obj = list.Items(i);
        if (obj.ObjName() == name) return obj;
    }
    return std::nullopt;
}

// A new picture object with the values the editor gives one, under `name`.
IXMLObj AddPictureObject(IXMLMovie& movie, const std::string& name)
{
    TFlashPicF adapter;
    adapter.Document = &movie;
    adapter.AddNew(0);
    IXMLObj obj = movie.Obj().Items(movie.Obj().Count() - 1);
    obj.SetObjName(name);
    return obj;
}

}  // namespace

int RunImportPictureCommand(const std::vector<std::string>& args)
{
    const ParsedArgs parsed = ParseArgs(args, {}, {"--new", "--scale-down"});
    if (parsed.positional.size() != 3) throw UsageError("import-picture takes a project, an object name and a picture");
    const std::filesystem::path project = std::filesystem::absolute(parsed.positional[0]);
    const std::string objectName = parsed.positional[1];
    const std::filesystem::path picture = std::filesystem::absolute(parsed.positional[2]);
    if (objectName.empty() || objectName.find_first_of("/\\") != std::string::npos)
        throw UsageError("'" + objectName + "' cannot name a picture file");

    TXMLDocument document;
    document.SetFileName(project);
    IXMLMovie movie = GetMovie(document);
    std::optional<IXMLObj> obj = FindObject(movie, objectName);
    if (!obj) {
        if (!parsed.Flag("--new"))
            throw DocumentError("The project has no object named '" + objectName + "' (use --new to create it)");
        obj = AddPictureObject(movie, objectName);
    } else if (obj->ObjTypeName() != "Pic") {
        throw DocumentError("'" + objectName + "' is not a picture object");
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
    document.SaveToFile();
    std::cout << "Picture " << stored->width << " x " << stored->height << " stored as " << stored->file.string()
              << '\n';
    return 0;
}

}  // namespace glimmora::cli
