#pragma once
// Pictures and sounds read from files, checked once and remembered by path,
// size and modification time, so that rebuilding a movie reads nothing again.
// Files with equal contents share one entry, and so one definition. Pictures
// are JPEG files, or PNG files (by the ".png" extension) that keep their
// transparency in the movie.

#include "swf/encoder/Content.h"

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

namespace glimmora::swf {

class MediaFileCache {
public:
    // Throw SwfError naming the file when it is missing, unreadable or unusable.
    std::shared_ptr<const BitmapImage> Picture(const std::string& path);
    std::shared_ptr<const WaveSound> Sound(const std::string& path);

    // Files larger than this are refused.
    static constexpr uintmax_t kMaxFileSize = uintmax_t(256) << 20;

private:
    struct Stamp {
        uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        bool operator==(const Stamp&) const = default;
    };
    template <class T>
    struct Entry {
        Stamp stamp;
        std::shared_ptr<const T> value;
    };

    std::unordered_map<std::string, Entry<BitmapImage>> pictures_;
    std::unordered_map<std::string, Entry<WaveSound>> sounds_;
    std::unordered_multimap<uint64_t, std::weak_ptr<const BitmapImage>> picturesByHash_;
    std::unordered_multimap<uint64_t, std::weak_ptr<const WaveSound>> soundsByHash_;
};

}  // namespace glimmora::swf
