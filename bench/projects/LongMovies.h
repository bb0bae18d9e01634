#pragma once
// The long movies of the benchmarks: many texts in a row, or many pictures.
//
// Text movies: a new text of 20 letters every few frames (3 by default),
// its effect taken in turn from a list (by default the twelve animated text
// effects, seven of them letter effects), in sizes, colours and places that
// vary from text to text. Picture movies: a new 320 x 240 picture of its own
// every 6 frames, shown for 25 frames, through every picture effect in turn.
// Everything is deterministic: the same arguments write the same files.

#include <filesystem>
#include <string>
#include <vector>

namespace glimmora::bench {

// The twelve effects of the text movies: every text effect but the still one.
const std::vector<std::string>& TwelveTextEffects();

struct TextMovieShape {
    int texts = 1000;
    int spacing = 3;                   // frames between the starts of two texts
    std::vector<std::string> effects;  // taken in turn; empty: TwelveTextEffects()
};

// The project's text, without writing it.
std::string TextMovieXml(const TextMovieShape& shape);
std::string PictureMovieXml(int pictures);

// Writes `name`.gmr into `folder` (created when missing) and returns its path.
std::filesystem::path WriteTextMovie(const std::filesystem::path& folder, const std::string& name,
                                     const TextMovieShape& shape);
// Also writes the pictures' JPEG files beside the project (Pic_1.jpg, ...).
std::filesystem::path WritePictureMovie(const std::filesystem::path& folder, const std::string& name,
                                        int pictures);

}  // namespace glimmora::bench
