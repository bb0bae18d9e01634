#pragma once
// Reading the source of a conversion, and the names of its target.

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace glimmora::tools {

// A file opened for reading, with its size. Throws std::system_error naming
// the file when it cannot be opened.
struct SourceFile {
    explicit SourceFile(const std::filesystem::path& path);
    // Opens without throwing; `opened` tells whether it worked.
    SourceFile(const std::filesystem::path& path, bool& opened);

    std::filesystem::path path;
    std::ifstream stream;
    uint64_t size = 0;

private:
    bool Open();
};

// `target`, or when it is empty the source's name with `extension` (".exe").
// Throws std::invalid_argument for an empty source.
std::filesystem::path TargetOrDefault(const std::filesystem::path& source, const std::filesystem::path& target,
                                      const char* extension);

// Throws std::invalid_argument when `target` is the same file as `other`
// (`what` names that file: "source", "player"), whose bytes writing the
// target would destroy.
void RefuseToOverwrite(const std::filesystem::path& target, const std::filesystem::path& other, const char* what);

}  // namespace glimmora::tools
