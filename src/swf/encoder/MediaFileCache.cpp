#include "swf/encoder/MediaFileCache.h"

#include "swf/SwfService.h"
#include "swf/encoder/AlphaBitmap.h"
#include "swf/encoder/ContentHash.h"
#include "swf/encoder/JpegInspector.h"
#include "swf/encoder/PngInspector.h"
#include "swf/encoder/WaveInspector.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <system_error>
#include <vector>

namespace glimmora::swf {
namespace {

namespace fs = std::filesystem;

template <class Stamp>
Stamp StampOf(const std::string& path, const std::string& what)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        throw SwfError(what + " \"" + path + "\" does not exist");
    }
    if (!fs::is_regular_file(status)) {
        throw SwfError(what + " \"" + path + "\" is not a file");
    }
    Stamp stamp;
    stamp.size = fs::file_size(path, ec);
    if (!ec) {
        stamp.modified = fs::last_write_time(path, ec);
    }
    if (ec) {
        throw SwfError(what + " \"" + path + "\" cannot be read: " + ec.message());
    }
    if (stamp.size > MediaFileCache::kMaxFileSize) {
        throw SwfError(what + " \"" + path + "\" is too large");
    }
    return stamp;
}

std::vector<uint8_t> ReadAll(const std::string& path, const std::string& what)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        throw SwfError(what + " \"" + path + "\" cannot be read: " + std::strerror(errno));
    }
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (bytes.size() > MediaFileCache::kMaxFileSize) {
            break;
        }
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        throw SwfError(what + " \"" + path + "\" cannot be read");
    }
    if (bytes.size() > MediaFileCache::kMaxFileSize) {
        throw SwfError(what + " \"" + path + "\" is too large");
    }
    return bytes;
}

// A ".png" file (any letter case) holds a picture with transparency; every
// other picture file is a JPEG.
bool IsPngName(const std::string& path)
{
    std::string extension = fs::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension == ".png";
}

// The entry with the same bytes as `value`, if one is alive; else `value`.
template <class T, class Equal>
std::shared_ptr<const T> Intern(std::unordered_multimap<uint64_t, std::weak_ptr<const T>>& index,
                                std::shared_ptr<const T> value, Equal equal)
{
    const auto range = index.equal_range(value->hash);
    for (auto it = range.first; it != range.second;) {
        if (auto existing = it->second.lock()) {
            if (equal(*existing, *value)) {
                return existing;
            }
            ++it;
        } else {
            it = index.erase(it);
        }
    }
    index.emplace(value->hash, value);
    return value;
}

}  // namespace

std::shared_ptr<const BitmapImage> MediaFileCache::Picture(const std::string& path)
{
    const auto stamp = StampOf<Stamp>(path, "Picture file");
    auto found = pictures_.find(path);
    if (found != pictures_.end() && found->second.stamp == stamp) {
        return found->second.value;
    }
    std::vector<uint8_t> bytes = ReadAll(path, "Picture file");
    auto image = std::make_shared<BitmapImage>();
    if (IsPngName(path)) {
        *image = MakeAlphaBitmap(InspectPng(bytes.data(), bytes.size(), path));
    } else {
        const JpegSize size = InspectJpeg(bytes.data(), bytes.size(), path);
        image->width = size.width;
        image->height = size.height;
        image->hash = HashBytes(bytes.data(), bytes.size());
        image->bytes = std::move(bytes);
    }
    auto value = Intern<BitmapImage>(picturesByHash_, std::move(image), std::equal_to<BitmapImage>());
    pictures_[path] = Entry<BitmapImage>{stamp, value};
    return value;
}

std::shared_ptr<const WaveSound> MediaFileCache::Sound(const std::string& path)
{
    const auto stamp = StampOf<Stamp>(path, "Sound file");
    auto found = sounds_.find(path);
    if (found != sounds_.end() && found->second.stamp == stamp) {
        return found->second.value;
    }
    const std::vector<uint8_t> bytes = ReadAll(path, "Sound file");
    auto sound = std::make_shared<WaveSound>(ParseWave(bytes.data(), bytes.size(), path));
    auto value = Intern<WaveSound>(soundsByHash_, std::move(sound), [](const WaveSound& a, const WaveSound& b) {
        return a.rate == b.rate && a.samples == b.samples;
    });
    sounds_[path] = Entry<WaveSound>{stamp, value};
    return value;
}

}  // namespace glimmora::swf
