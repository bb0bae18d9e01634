#include "PeakMemory.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace glimmora::bench {
namespace {

// A field of /proc/self/status in bytes ("VmRSS:  1234 kB"); 0 where unknown.
size_t StatusBytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return size_t(std::stoull(line.substr(field.size() + 1))) * 1024;
    }
    return 0;
}

}  // namespace

void PeakMemory::Reset()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";  // restarts VmHWM at the current RSS
    start_ = CurrentBytes();
}

size_t PeakMemory::CurrentBytes() { return StatusBytes("VmRSS"); }

size_t PeakMemory::PeakBytes() const { return StatusBytes("VmHWM"); }

}  // namespace glimmora::bench
