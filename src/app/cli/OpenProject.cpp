#include "app/cli/OpenProject.h"

#include "app/cli/CommandLine.h"
#include "document/ConversionError.h"

#include <algorithm>
#include <system_error>

namespace glimmora::cli {

OpenProject::OpenProject(const std::filesystem::path& file) : file_(std::filesystem::absolute(file))
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file_, error))
        throw DocumentError("Cannot open " + file_.string() + ": no such file");
    document_.SetFileName(file_);
    movie_ = GetMovie(document_);
}

std::filesystem::path OpenProject::BasePath() const { return std::filesystem::path(file_).replace_extension(); }

std::optional<IXMLObj> OpenProject::Find(const std::string& name) const
{
    const IXMLObjList list = movie_.Obj();
    for (int i = 0; i < list.Count(); ++i) {
        IXMLObj obj = list.Items(i);
        if (obj.ObjName() == name) return obj;
    }
    return std::nullopt;
}

IXMLObj OpenProject::Require(const std::string& name, const std::string& kind) const
{
    const std::optional<IXMLObj> obj = Find(name);
    if (!obj) throw DocumentError(file_.filename().string() + " has no object named '" + name + "'");
    if (obj->ObjTypeName() != kind)
        throw DocumentError("'" + name + "' in " + file_.filename().string() + " is not a " + KindWord(kind) +
                            " object");
    return *obj;
}

void OpenProject::Save() { document_.SaveToFile(); }

std::string KindWord(const std::string& kind)
{
    if (kind == "Pic") return "picture";
    if (kind == "Sound") return "sound";
    if (kind == "Text") return "text";
    return kind;
}

void CheckNewObjectName(const OpenProject& project, const std::string& name)
{
    const bool control = std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    if (name.empty() || name == "." || name == ".." || control || name.find_first_of("/\\") != std::string::npos)
        throw UsageError("'" + name + "' cannot name an object (its pictures and sounds are files named after it)");
    if (project.Find(name))
        throw DocumentError(project.File().filename().string() + " already has an object named '" + name + "'");
}

}  // namespace glimmora::cli
