#include "TestMovies.h"

#include "swf/encoder/EncoderService.h"

#include <fstream>
#include <iterator>

namespace glimmora::test {

void WriteSquareMovie(const std::filesystem::path& file, int frames)
{
    auto service = MakeEncoderService();
    auto movie = service->CreateMovie();
    auto square = service->CreateObject();
    movie->SetSize(550 * 20, 400 * 20);
    movie->SetFrameRate(12);
    movie->SetFrameBkColor(0, 0, 255);
    movie->GotoFrame(0);
    square->MakeRectangle(0, 0, 100 * 20, 100 * 20);
    square->SetSolidFill(255, 0, 0, 255);
    movie->AddObject(*square);
    movie->GotoFrame(frames - 1);
    movie->RemoveObject(*square);
    movie->AddObject(*square);
    movie->WriteMovie(file.string());
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& file, const std::vector<uint8_t>& bytes)
{
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace glimmora::test
