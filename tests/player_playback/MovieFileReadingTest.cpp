// Reading a movie file for the player and the preview: what the player could
// not take is refused by its size before a byte is read, and what is no file
// says so.

#include "player/playback/EmbeddedMovie.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace glimmora::test {
namespace {

std::string ErrorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(read)";
}

TEST(MovieFileReading, WhatThePlayerCannotTakeIsRefusedWithTheReason)
{
    TempDir dir;
    // 3 GB that take no disk: a file this large must never be read into memory.
    const auto huge = dir / "huge.swf";
    { std::ofstream(huge) << "FWS"; }
    std::filesystem::resize_file(huge, 3ull << 30);
    std::filesystem::create_directory(dir / "folder.swf");
    ::mkfifo((dir / "pipe.swf").c_str(), 0600);

    const std::pair<std::filesystem::path, std::string> cases[] = {
        {huge, "is 3072 MB, larger than the player can show (256 MB)"},
        {dir / "folder.swf", "is a folder, not a movie"},
        {dir / "pipe.swf", "is not a regular file"},
        {dir / "gone.swf", "no such file"},
    };
    for (const auto& [file, reason] : cases) {
        const std::string message = ErrorOf([&] { player::ReadMovieFile(file.string()); });
        EXPECT_NE(message.find(file.string()), std::string::npos) << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
    }
    // A projector's movie is checked by the length its trailer gives.
    const std::string carried = ErrorOf([&] { player::ReadMovieRange(huge.string(), 0, 3ull << 30); });
    EXPECT_NE(carried.find("larger than the player can show"), std::string::npos) << carried;
}

TEST(MovieFileReading, AnOrdinaryMovieIsReadWhole)
{
    TempDir dir;
    const auto file = dir / "movie.swf";
    { std::ofstream(file, std::ios::binary) << "FWS\x08 rest"; }
    const std::vector<uint8_t> bytes = player::ReadMovieFile(file.string());
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "FWS\x08 rest");
}

}  // namespace
}  // namespace glimmora::test
