#include "document/ProjectFiles.h"

#include "document/ConversionError.h"
#include "document/FileBytes.h"

#include <cstdlib>
#include <system_error>

namespace glimmora {

namespace {

std::filesystem::path WithSuffix(const std::filesystem::path& basePath, const char* suffix)
{
    std::filesystem::path file = basePath;
    file += suffix;
    return file;
}

// An object's name becomes a file name beside the project; a name that would
// lead out of that folder is refused.
std::filesystem::path MediaFileOf(const std::filesystem::path& basePath, const std::string& objName,
                                  const char* extension)
{
    if (auto problem = MediaNameProblem(objName)) throw DocumentError(*problem);
    return FolderOfBase(basePath) / (objName + extension);
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace

std::optional<std::string> MediaNameProblem(const std::string& objName)
{
    if (objName == "." || objName == ".." || objName.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        return "'" + objName + "' cannot be used as a file name";
    // A line break or another control character: shown escaped, never as is.
    std::string shown;
    bool control = false;
    for (const char c : objName) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            static const char hex[] = "0123456789ABCDEF";
            shown += std::string("\\x") + hex[byte >> 4] + hex[byte & 15];
            control = true;
        } else {
            shown += c;
        }
    }
    if (control) return "'" + shown + "' cannot be used as a file name (it holds a control character)";
    return std::nullopt;
}

std::filesystem::path TempFolder()
{
    const char* temp = std::getenv("TEMP");
    if (temp && *temp)
        return std::filesystem::path(temp);
    // The library's lookup reads TEMP as well and fails on an empty value.
    std::error_code ec;
    std::filesystem::path system = std::filesystem::temp_directory_path(ec);
    if (!ec && !system.empty())
        return system;
    return std::filesystem::path("/tmp");
}

std::filesystem::path DefaultUntitledBase()
{
    return TempFolder() / "Untitled";
}

std::filesystem::path FolderOfBase(const std::filesystem::path& basePath)
{
    return basePath.parent_path();
}

std::filesystem::path ProjectFileOf(const std::filesystem::path& basePath)
{
    return WithSuffix(basePath, ".gmr");
}

std::filesystem::path MovieFileOf(const std::filesystem::path& basePath)
{
    return WithSuffix(basePath, ".swf");
}

std::filesystem::path PictureFileOf(const std::filesystem::path& basePath, const std::string& objName)
{
    return MediaFileOf(basePath, objName, ".jpg");
}

std::filesystem::path TransparentPictureFileOf(const std::filesystem::path& basePath, const std::string& objName)
{
    return MediaFileOf(basePath, objName, ".png");
}

std::filesystem::path SoundFileOf(const std::filesystem::path& basePath, const std::string& objName)
{
    return MediaFileOf(basePath, objName, ".wav");
}

std::filesystem::path StoredPictureOf(const std::filesystem::path& basePath, const std::string& objName)
{
    const std::filesystem::path jpeg = PictureFileOf(basePath, objName);
    const std::filesystem::path png = TransparentPictureFileOf(basePath, objName);
    std::error_code ec;
    if (!std::filesystem::exists(jpeg, ec) && std::filesystem::exists(png, ec)) return png;
    return jpeg;
}

std::vector<std::filesystem::path> MediaFilesOf(const std::filesystem::path& basePath, const std::string& objName,
                                                const std::string& kind)
{
    if (kind == "Pic") return {PictureFileOf(basePath, objName), TransparentPictureFileOf(basePath, objName)};
    if (kind == "Sound") return {SoundFileOf(basePath, objName)};
    return {};
}

IXMLMovie LoadProject(TXMLDocument& document, const std::filesystem::path& source,
                      const std::filesystem::path& workingProject)
{
    // A source that cannot be copied must not leave an older working project
    // to be loaded in its place.
    if (!SameFile(source, workingProject)) {
        const std::optional<std::string> bytes = ReadFileBytes(source);
        if (!bytes)
            throw DocumentError("Cannot open " + source.string());
        WriteFileReplacing(workingProject, *bytes);
    }
    document.SetFileName(workingProject);
    try {
        return GetMovie(document);
    } catch (const DocumentError& e) {
        // The working project is a byte copy of the source, so the parser's
        // line and offset hold for the file the user chose: name that one.
        std::string message = e.what();
        const std::string working = workingProject.string();
        if (const auto at = message.find(working); at != std::string::npos && !working.empty())
            message.replace(at, working.size(), source.string());
        throw DocumentError(message);
    }
}

void SaveProject(TXMLDocument& document, const std::filesystem::path& workingProject,
                 const std::filesystem::path& basePath)
{
    document.SaveToFile(workingProject);
    const std::filesystem::path projectFile = ProjectFileOf(basePath);
    if (!SameFile(workingProject, projectFile))
        ReplaceFile(workingProject, projectFile);
}

void ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    const std::optional<std::string> bytes = ReadFileBytes(from);
    if (!bytes)
        throw DocumentError("Cannot open " + from.string());
    WriteFileReplacing(to, *bytes);
}

}  // namespace glimmora
