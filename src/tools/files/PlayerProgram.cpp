#include "tools/files/PlayerProgram.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace glimmora::tools {

namespace {

// The largest player we would ever carry; anything larger is not ours.
constexpr std::uintmax_t kLargestPlayer = 256u << 20;

}  // namespace

std::string PlayerMark()
{
    std::string mark = "1v-daeh-rotcejorp:reyalp-arommilg";
    std::reverse(mark.begin(), mark.end());
    return mark;
}

bool IsPlayerProgram(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size < 4 || size > kLargestPlayer) return false;
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.compare(0, 4, "\x7f" "ELF") != 0) return false;
    return bytes.find(PlayerMark()) != std::string::npos;
}

}  // namespace glimmora::tools
