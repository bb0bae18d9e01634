#include "files/Leftovers.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <random>
#include <set>
#include <signal.h>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace glimmora::files {

namespace {

constexpr auto kQuietFor = std::chrono::minutes(10);

bool AllOf(std::string_view text, bool (*accept)(char))
{
    if (text.empty()) return false;
    for (char c : text)
        if (!accept(c)) return false;
    return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f'); }

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }
bool EndsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// "<pid>-<digits or hex>": the process id, when the text has that form.
long ProcessIdOf(std::string_view text, bool (*tail)(char))
{
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash > 9 || !AllOf(text.substr(0, dash), IsDigit) ||
        !AllOf(text.substr(dash + 1), tail))
        return 0;
    return std::stol(std::string(text.substr(0, dash)));
}

bool ProcessEnded(long pid)
{
    if (pid <= 0 || pid == long(::getpid())) return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// Names without a process id: a writer at work keeps changing its file.
bool QuietForLong(const std::filesystem::path& file)
{
    std::error_code error;
    const auto written = std::filesystem::last_write_time(file, error);
    return !error && std::filesystem::file_time_type::clock::now() - written > kQuietFor;
}

}  // namespace

std::filesystem::path TemporaryNameFor(const std::filesystem::path& target)
{
    static std::mt19937 random{std::random_device{}()};
    static std::mutex lock;
    unsigned tag = 0;
    {
        std::lock_guard<std::mutex> guard(lock);
        tag = unsigned(random());
    }
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, ".%ld-%08x.part", long(::getpid()), tag);
    std::filesystem::path name = target;
    name += suffix;
    return name;
}

bool IsDeadLeftover(const std::filesystem::path& target, const std::string& name)
{
    const std::string base = target.filename().string();
    const std::filesystem::path file = target.parent_path() / name;
    const std::string_view view = name;
    if (StartsWith(view, base + ".")) {
        const std::string_view rest = view.substr(base.size() + 1);
        if (EndsWith(rest, ".part")) {
            const std::string_view core = rest.substr(0, rest.size() - 5);
            if (const long pid = ProcessIdOf(core, IsHexDigit)) return ProcessEnded(pid);
            if (core.size() == 8 && AllOf(core, IsHexDigit)) return QuietForLong(file);
            return false;
        }
        if (StartsWith(rest, "writing-")) return ProcessEnded(ProcessIdOf(rest.substr(8), IsDigit));
        if (StartsWith(rest, "converting-") && AllOf(rest.substr(11), IsDigit)) return QuietForLong(file);
        if (StartsWith(rest, "part") && ProcessIdOf(rest.substr(4), IsDigit)) return QuietForLong(file);
        return false;
    }
    if (StartsWith(view, "." + base + ".saving-"))
        return ProcessEnded(ProcessIdOf(view.substr(base.size() + 9), IsDigit));
    return false;
}

void RemoveLeftoversOf(const std::filesystem::path& target)
{
    static std::mutex lock;
    static std::set<std::filesystem::path> done;
    const std::filesystem::path absolute = std::filesystem::absolute(target).lexically_normal();
    {
        std::lock_guard<std::mutex> guard(lock);
        if (!done.insert(absolute).second) return;
    }
    const std::string base = absolute.filename().string();
    if (base.empty()) return;
    std::error_code error;
    for (std::filesystem::directory_iterator it(absolute.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.find(base) > 1) continue;  // neither "<base>..." nor ".<base>..."
        std::error_code ignored;
        if (it->is_regular_file(ignored) && IsDeadLeftover(absolute, name)) std::filesystem::remove(it->path(), ignored);
    }
}

}  // namespace glimmora::files
