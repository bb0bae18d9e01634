#include "workspace/UnsavedWork.h"

#include "document/FileBytes.h"

#include <QFileInfo>
#include <QLockFile>
#include <QString>

#include <algorithm>
#include <system_error>

namespace glimmora {

namespace {

constexpr const char* kDocument = "Unsaved.gmr";
constexpr const char* kProject = "Unsaved.txt";
constexpr const char* kMedia = "Unsaved.media";
constexpr const char* kWorkingFolders = "Glimmora-Untitled";

}  // namespace

void UnsavedWork::Keep(const std::filesystem::path& project, const std::string& media,
                       const std::function<void(const std::filesystem::path&)>& writeDocument)
{
    // The project's name and the media first: a document is never found
    // without them.
    WriteFileReplacing(folder_ / kProject, project.string());
    WriteFileReplacing(folder_ / kMedia, media);
    writeDocument(folder_ / kDocument);
    kept_ = true;
}

void UnsavedWork::Forget()
{
    Forget(folder_);
    kept_ = false;
}

void UnsavedWork::Forget(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::remove(folder / kDocument, error);
    std::filesystem::remove(folder / kProject, error);
    std::filesystem::remove(folder / kMedia, error);
}

std::optional<UnsavedWork::Found> UnsavedWork::Read(const std::filesystem::path& folder)
{
    const std::optional<std::string> project = ReadFileBytes(folder / kProject);
    const std::optional<std::string> document = ReadFileBytes(folder / kDocument);
    if (!project || !document || document->empty()) return std::nullopt;
    Found found;
    found.folder = folder;
    found.document = *document;
    found.project = std::filesystem::path(*project);
    found.media = ReadFileBytes(folder / kMedia).value_or("");
    found.kept = QFileInfo(QString::fromStdString((folder / kDocument).string())).lastModified();
    return found;
}

std::vector<UnsavedWork::Found> UnsavedWork::Abandoned(const std::filesystem::path& tempDir,
                                                       const std::filesystem::path& ownFolder)
{
    std::vector<Found> found;
    if (auto own = Read(ownFolder)) found.push_back(std::move(*own));
    std::error_code error;
    for (std::filesystem::directory_iterator it(tempDir, error), end; !error && it != end; it.increment(error)) {
        const std::filesystem::path folder = it->path();
        if (folder == ownFolder || !folder.filename().string().starts_with(kWorkingFolders)) continue;
        std::error_code kind;
        if (!it->is_directory(kind)) continue;
        // A folder whose lock can be taken has no running editor any more.
        QLockFile lock(QString::fromStdString(folder.string() + ".lock"));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) continue;
        if (auto left = Read(folder)) found.push_back(std::move(*left));
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.kept > b.kept; });
    return found;
}

}  // namespace glimmora
