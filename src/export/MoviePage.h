#pragma once
// The movie as one self-contained web page that plays when opened straight
// from the file system, with no network and no server: the web player's
// scripts inline, its WebAssembly module and the SWF inside the page
// (gzip, then base64; the browser's DecompressionStream unpacks them), and a
// fetch that answers the player's request for its module from those bytes.
// A page opened from file:// may fetch nothing, so nothing is fetched.

#include "export/WebPlayer.h"

#include <QSize>

#include <cstdint>
#include <span>
#include <string>

namespace glimmora::exporting {

struct MoviePageOptions {
    std::string title;      // the page's title: the movie's name
    QSize size;             // the player's size in CSS pixels
    uint32_t background = 0xffffff;  // 0xRRGGBB around the player
};

std::string MakeMoviePage(const WebPlayer& player, std::span<const uint8_t> swf, const MoviePageOptions& options);

// gzip (RFC 1952) at the strongest level, as DecompressionStream("gzip") reads it.
std::vector<uint8_t> Gzip(std::span<const uint8_t> data);

}  // namespace glimmora::exporting
