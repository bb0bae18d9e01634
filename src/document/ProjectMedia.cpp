#include "document/ProjectMedia.h"

#include "document/ConversionError.h"
#include "document/FileBytes.h"
#include "document/ProjectFiles.h"

#include "files/ReplacingFile.h"

#include <memory>
#include <system_error>

namespace glimmora {

namespace {

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

bool IsFile(const std::filesystem::path& file)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

constexpr const char* kStagedExtensions[] = {".jpg", ".png", ".wav"};

// `source`'s bytes in a new file beside `target`, not yet put in its place.
std::unique_ptr<files::ReplacingFile> WrittenBeside(const std::filesystem::path& target,
                                                    const std::filesystem::path& source)
{
    const std::optional<std::string> bytes = ReadFileBytes(source);
    if (!bytes) throw DocumentError("Cannot read " + source.string());
    std::error_code ec;
    auto file = std::make_unique<files::ReplacingFile>(target, false, ec);
    try {
        if (ec) throw std::system_error(ec);
        file->Write({reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()});
    } catch (const std::system_error& error) {
        throw DocumentError("Cannot write " + target.string() + ": " + error.code().message());
    }
    return file;
}

}  // namespace

std::optional<MediaKind> MediaKindOf(const std::string& objTypeName)
{
    if (objTypeName == "Pic") return MediaKind::Picture;
    if (objTypeName == "Sound") return MediaKind::Sound;
    return std::nullopt;
}

MediaFile SavedMediaFile(const std::filesystem::path& basePath, MediaKind kind, const std::string& name)
{
    if (auto problem = MediaNameProblem(name)) return {{}, *problem};
    if (kind == MediaKind::Picture) return {StoredPictureOf(basePath, name), {}};
    return {SoundFileOf(basePath, name), {}};
}

MediaFile FindMediaFile(const ProjectMedia* session, const std::filesystem::path& basePath, MediaKind kind,
                        const std::string& name)
{
    return session ? session->Find(basePath, kind, name) : SavedMediaFile(basePath, kind, name);
}

std::filesystem::path StagingFolderOf(const std::filesystem::path& untitledBase)
{
    std::filesystem::path folder = untitledBase;
    folder += ".media";
    return folder;
}

ProjectMedia::ProjectMedia(std::filesystem::path stagingFolder) : stagingFolder_(std::move(stagingFolder)) {}

ProjectMedia::~ProjectMedia()
{
    RemoveStagedFiles();
}

MediaEntry ProjectMedia::Of(MediaKind kind, const std::string& name) const
{
    const auto found = entries_.find({kind, name});
    if (found != entries_.end()) return found->second;
    return MediaSource{{}, name};
}

void ProjectMedia::Set(MediaKind kind, const std::string& name, MediaEntry entry)
{
    if (entry == MediaEntry(MediaSource{{}, name}))
        entries_.erase({kind, name});  // its own file in the project folder, as saved
    else
        entries_[{kind, name}] = std::move(entry);
}

MediaFile ProjectMedia::Find(const std::filesystem::path& basePath, MediaKind kind, const std::string& name) const
{
    const MediaEntry entry = Of(kind, name);
    if (!entry) return {{}, "The object's " + std::string(kind == MediaKind::Picture ? "picture" : "sound") +
                                " was removed with an earlier object of this name"};
    if (!entry->staged.empty()) return {entry->staged, {}};
    return SavedMediaFile(basePath, kind, entry->savedName);
}

std::filesystem::path ProjectMedia::NewStagedName()
{
    std::error_code ec;
    std::filesystem::create_directories(stagingFolder_, ec);
    if (ec) throw DocumentError("Cannot make the folder " + stagingFolder_.string() + ": " + ec.message());
    for (;;) {
        const std::filesystem::path name = stagingFolder_ / ("media-" + std::to_string(nextStaged_++));
        // A file left by an earlier run of this program is never reused.
        bool taken = false;
        for (const char* extension : kStagedExtensions)
            taken = taken || std::filesystem::exists(std::filesystem::path(name).concat(extension), ec) || ec;
        if (taken) continue;
        staged_.insert(name);
        return name;
    }
}

bool ProjectMedia::Pending() const
{
    for (const auto& [key, entry] : entries_)
        if (entry) return true;  // staged, or the file of another name
    return false;
}

void ProjectMedia::Save(const std::filesystem::path& fromBase, const std::filesystem::path& toBase,
                        const std::vector<std::pair<MediaKind, std::string>>& objects,
                        const std::function<void()>& writeProject, const std::vector<Record*>& earlier)
{
    std::vector<std::unique_ptr<files::ReplacingFile>> written;
    std::set<std::filesystem::path> targets;
    std::set<std::filesystem::path> rewritten;  // targets whose bytes change
    std::vector<std::filesystem::path> replacedForms;  // a picture's other form
    std::set<std::pair<MediaKind, std::string>> done;
    std::set<std::pair<MediaKind, std::string>> saved;  // their file there holds their media now
    for (const auto& [kind, name] : objects) {
        if (!done.insert({kind, name}).second) continue;  // the first object of a name has the file
        if (MediaNameProblem(name)) continue;
        const MediaFile source = Find(fromBase, kind, name);
        if (!source || !IsFile(source.file)) continue;
        std::filesystem::path target = SoundFileOf(toBase, name);
        if (kind == MediaKind::Picture) {
            const bool png = source.file.extension() == ".png";
            target = png ? TransparentPictureFileOf(toBase, name) : PictureFileOf(toBase, name);
            replacedForms.push_back(png ? PictureFileOf(toBase, name) : TransparentPictureFileOf(toBase, name));
        }
        targets.insert(target);
        saved.insert({kind, name});
        if (SameFile(source.file, target)) {
            replacedForms.pop_back();  // nothing written: the other form stays too
            continue;
        }
        written.push_back(WrittenBeside(target, source.file));
        rewritten.insert(target);
    }

    // What the earlier records name after the save, while every file is as it was.
    const std::set<std::filesystem::path> replaced(replacedForms.begin(), replacedForms.end());
    const bool sameFolder = SameFile(FolderOfBase(fromBase), FolderOfBase(toBase));
    std::map<std::pair<MediaKind, std::string>, MediaEntry> keptFiles;  // by saved name
    const auto keptFile = [&](MediaKind kind, const std::string& savedName) -> MediaEntry {
        const auto found = keptFiles.find({kind, savedName});
        if (found != keptFiles.end()) return found->second;
        MediaEntry entry = MediaSource{{}, savedName};
        if (MediaNameProblem(savedName)) return entry;  // names no file: the save wrote none for it
        bool changes = !sameFolder;
        const char* kindName = kind == MediaKind::Picture ? "Pic" : "Sound";
        for (const std::filesystem::path& file : MediaFilesOf(toBase, savedName, kindName))
            changes = changes || rewritten.count(file) || replaced.count(file);
        const MediaFile before = SavedMediaFile(fromBase, kind, savedName);
        if (changes && before && IsFile(before.file)) {
            const std::filesystem::path copy = NewStagedName().concat(before.file.extension().string());
            std::error_code ec;
            if (std::filesystem::copy_file(before.file, copy, ec) && !ec) entry = MediaSource{copy, {}};
        } else if (changes) {
            entry = std::nullopt;  // it had no file; the one the save writes is not its
        }
        return keptFiles[{kind, savedName}] = entry;
    };
    std::vector<Record> translated;
    for (const Record* record : earlier) {
        std::set<std::pair<MediaKind, std::string>> keys(done.begin(), done.end());
        for (const auto& [key, entry] : *record) keys.insert(key);
        for (const auto& [key, entry] : entries_) keys.insert(key);
        Record after;
        for (const auto& key : keys) {
            const auto found = record->find(key);
            MediaEntry entry = found != record->end() ? found->second : MediaSource{{}, key.second};
            if (saved.count(key) && entry == Of(key.first, key.second)) continue;  // the saved file
            if (entry && entry->staged.empty()) entry = keptFile(key.first, entry->savedName);
            if (entry != MediaEntry(MediaSource{{}, key.second})) after[key] = entry;
        }
        translated.push_back(std::move(after));
    }

    writeProject();
    for (const auto& file : written) {
        try {
            file->Commit();
        } catch (const std::system_error& error) {
            throw DocumentError("Cannot write " + file->Target().string() + ": " + error.code().message());
        }
    }
    std::error_code ignored;
    for (const std::filesystem::path& form : replacedForms)
        if (!targets.count(form)) std::filesystem::remove(form, ignored);
    entries_.clear();
    for (size_t i = 0; i < earlier.size(); ++i) *earlier[i] = std::move(translated[i]);
    RemoveStagedFilesBut(earlier);
}

void ProjectMedia::RemoveStagedFilesBut(const std::vector<Record*>& kept)
{
    std::set<std::filesystem::path> named;
    for (const Record* record : kept)
        for (const auto& [key, entry] : *record)
            if (entry && !entry->staged.empty()) named.insert(std::filesystem::path(entry->staged).replace_extension());
    std::error_code ec;
    for (auto name = staged_.begin(); name != staged_.end();) {
        if (named.count(*name)) {
            ++name;
            continue;
        }
        for (const char* extension : kStagedExtensions)
            std::filesystem::remove(std::filesystem::path(*name).concat(extension), ec);
        name = staged_.erase(name);
    }
    std::filesystem::remove(stagingFolder_, ec);  // only when it is empty
}

// One line per entry: the kind ("Picture", "Sound"), the object's name, and
// where its media is ("saved <name>", "staged <file>" or "none"), separated by
// tabs. Names with a control character name no file, so they never need one.
std::string ProjectMedia::RecordText() const
{
    std::string text;
    for (const auto& [key, entry] : entries_) {
        const auto& [kind, name] = key;
        if (MediaNameProblem(name) || (entry && MediaNameProblem(entry->savedName))) continue;
        text += kind == MediaKind::Picture ? "Picture\t" : "Sound\t";
        text += name;
        if (!entry) text += "\tnone";
        else if (!entry->staged.empty()) text += "\tstaged\t" + entry->staged.filename().string();
        else text += "\tsaved\t" + entry->savedName;
        text += '\n';
    }
    return text;
}

void ProjectMedia::TakeOver(const std::string& recordText, const std::filesystem::path& from)
{
    std::size_t start = 0;
    while (start < recordText.size()) {
        std::size_t end = recordText.find('\n', start);
        if (end == std::string::npos) end = recordText.size();
        std::vector<std::string> fields;
        for (std::size_t at = start; at <= end;) {
            const std::size_t tab = std::min(recordText.find('\t', at), end);
            fields.push_back(recordText.substr(at, tab - at));
            at = tab + 1;
        }
        start = end + 1;

        if (fields.size() < 3 || (fields[0] != "Picture" && fields[0] != "Sound") || MediaNameProblem(fields[1]))
            continue;
        const MediaKind kind = fields[0] == "Picture" ? MediaKind::Picture : MediaKind::Sound;
        if (fields.size() == 3 && fields[2] == "none") {
            Set(kind, fields[1], std::nullopt);
        } else if (fields.size() == 4 && fields[2] == "saved" && !MediaNameProblem(fields[3])) {
            Set(kind, fields[1], MediaSource{{}, fields[3]});
        } else if (fields.size() == 4 && fields[2] == "staged" && !MediaNameProblem(fields[3])) {
            const std::filesystem::path left = from / fields[3];
            if (!IsFile(left)) continue;
            std::filesystem::path staged = left;
            if (!SameFile(from, stagingFolder_)) {
                staged = std::filesystem::path(NewStagedName()).concat(left.extension().string());
                std::error_code ec;
                std::filesystem::rename(left, staged, ec);
                if (ec) std::filesystem::copy_file(left, staged, ec);
                if (ec) continue;
            } else {
                staged_.insert(std::filesystem::path(left).replace_extension());
            }
            Set(kind, fields[1], MediaSource{staged, {}});
        }
    }
}

void ProjectMedia::RemoveStagedFiles()
{
    std::error_code ec;
    for (const std::filesystem::path& name : staged_)
        for (const char* extension : kStagedExtensions)
            std::filesystem::remove(std::filesystem::path(name).concat(extension), ec);
    staged_.clear();
    std::filesystem::remove(stagingFolder_, ec);  // only when it is empty
}

}  // namespace glimmora
