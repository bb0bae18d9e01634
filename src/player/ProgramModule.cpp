#include "player/ProgramModule.h"

#include "files/ProgramFolder.h"

#include <dlfcn.h>

#include <filesystem>
#include <mutex>
#include <string>

namespace glimmora::player {

void* ModuleEntry(const char* fileName, const char* entry)
{
    // dlerror's text belongs to the thread and the last call: one opening at a time.
    static std::mutex opening;
    const std::lock_guard lock(opening);
    if (void* linked = dlsym(RTLD_DEFAULT, entry)) return linked;

    const std::filesystem::path file = files::ProgramFolder() / fileName;
    void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        // The loader's reason starts with the file's name, which the message gives already.
        const char* said = dlerror();
        std::string why = said ? said : "unknown reason";
        if (why.starts_with(file.string() + ": ")) why.erase(0, file.string().size() + 2);
        throw ModuleError("cannot load \"" + file.string() + "\" (" + why + ")");
    }
    void* address = dlsym(module, entry);
    if (!address)
        throw ModuleError("\"" + file.string() + "\" is not this program's version (it has no " + entry + ")");
    return address;
}

}  // namespace glimmora::player
