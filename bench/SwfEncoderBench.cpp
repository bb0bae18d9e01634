// The encoder alone, driven through the service as the effects drive it: a
// busy 800 x 600 movie of 40 texts with a 25-step letter effect on each of
// their 20 letters (20,000 placements) and 20 pictures of 320 x 240 with
// 31-step runs, rebuilt and encoded into memory as every edit does.

#include "projects/BusyMovie.h"
#include "projects/MediaFiles.h"

#include "swf/encoder/EncoderMovie.h"
#include "swf/encoder/EncoderService.h"
#include "swf/encoder/ShowableMovie.h"
#include "swf/reader/RecordCount.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace glimmora::bench {
namespace {

struct BusyEncoderMovie {
    BusyEncoderMovie()
        : service(MakeEncoderService()), movieObject(service->CreateMovie()),
          movie(dynamic_cast<swf::EncoderMovie&>(*movieObject))
    {
        for (int i = 0; i < 5; ++i) holders.push_back(service->CreateObject());
        const auto folder = std::filesystem::temp_directory_path() / "glimmora-bench-encoder";
        std::filesystem::create_directories(folder);
        for (int p = 0; p < 20; ++p) {
            pictures.push_back((folder / ("pic" + std::to_string(p) + ".jpg")).string());
            if (!std::filesystem::exists(pictures.back())) WriteJpeg(pictures.back(), 320, 240, p);
        }
    }

    void Build()
    {
        swfObject& media = *holders[0];
        swfObject& font = *holders[2];
        swfObject& text = *holders[3];
        movie.SetSize(16000, 12000);
        movie.SetFrameRate(12);
        movie.GotoFrame(0);
        movie.SetFrameBkColor(255, 255, 255);
        for (int t = 0; t < 40; ++t) {
            font.MakeFont("DejaVu Sans");
            std::u32string content;
            for (int i = 0; i < 20; ++i) content.push_back(char32_t(U'a' + (t + i) % 26));
            std::vector<int> lefts;
            int left = 0;
            for (int i = 0; i < 20; ++i) {
                const std::u32string letter(1, content[i]);
                font.AddGlyph("DejaVu Sans", letter, i + 1);
                lefts.push_back(left);
                left += font.GetTextWidth("DejaVu Sans", letter);
            }
            for (int j = 0; j < 20; ++j) {
                text.MakeText(std::u32string(1, char32_t(j + 1)), font);
                text.SetDepth(2);
                for (int k = 0; k < 25; ++k) {
                    movie.GotoFrame(t + k);
                    if (k > 0) movie.RemoveObject(text);
                    const double s = 0.5 * 65536 * (k + 1) / 25.0;
                    text.Scale(s, s);
                    text.Rotate((k + 1) * 65536.0 * 360 / 25);
                    text.Translate(200 + lefts[j] * 0.5, 300.0 * t + 20 * k);
                    text.SetSolidFill(255, 0, 0, (k + 1) * 10);
                    movie.AddObject(text);
                }
                movie.GotoFrame(t + 25);
                movie.RemoveObject(text);
            }
        }
        for (int p = 0; p < 20; ++p) {
            media.MakePicture(0, 0, 6400, 4800, 320, 240, pictures[p]);
            media.SetDepth(1);
            for (int i = 0; i < 31; ++i) {
                movie.GotoFrame(p * 3 + i);
                if (i > 0) movie.RemoveObject(media);
                media.Scale(65536.0 * (i + 1) / 31, 65536.0 * (i + 1) / 31);
                media.Translate(4800, 3600);
                movie.AddObject(media);
            }
        }
    }

    std::unique_ptr<swfService> service;
    std::unique_ptr<swfMovie> movieObject;
    swf::EncoderMovie& movie;
    std::vector<std::unique_ptr<swfObject>> holders;
    std::vector<std::string> pictures;
};

void BM_EncoderBusyMovieBuildAndEncode(benchmark::State& state)
{
    BusyEncoderMovie busy;
    size_t bytes = 0;
    for (auto _ : state) {
        busy.Build();
        bytes = busy.movie.EncodeMovie().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["swf_bytes"] = double(bytes);
    state.counters["placements"] = double(busy.movie.GetTimeline().Placements().size());
}
BENCHMARK(BM_EncoderBusyMovieBuildAndEncode)->Unit(benchmark::kMillisecond);

void BM_EncoderBusyMovieEncodeOnly(benchmark::State& state)
{
    BusyEncoderMovie busy;
    busy.Build();
    for (auto _ : state) benchmark::DoNotOptimize(busy.movie.EncodeMovie().size());
}
BENCHMARK(BM_EncoderBusyMovieEncodeOnly)->Unit(benchmark::kMillisecond);

// The records the reader would decode, counted by walking the written tags:
// what the writer's check cost before the encoder counted them as it wrote.
// Its peer is the encoding above.
void BM_EncoderBusyMovieShowableCheck(benchmark::State& state)
{
    BusyEncoderMovie busy;
    busy.Build();
    const std::vector<uint8_t> bytes = busy.movie.EncodeMovie();
    for (auto _ : state) benchmark::DoNotOptimize(swf::CountDecodedRecords(bytes.data(), bytes.size()));
    state.counters["records"] = double(swf::CountDecodedRecords(bytes.data(), bytes.size()));
}
BENCHMARK(BM_EncoderBusyMovieShowableCheck)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmora::bench
