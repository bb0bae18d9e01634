#pragma once
// The temporary files that writers of a target leave beside it when they are
// killed mid-write, recognised by name: ours ("<target>.<pid>-<hex>.part")
// and those of earlier versions (".writing-<pid>-<n>", ".<name>.saving-<pid>-<n>",
// ".<8 hex>.part", ".part<tag>-<n>", ".converting-<n>").

#include <filesystem>
#include <string>

namespace glimmora::files {

// A fresh temporary name for `target` in its folder, for this process.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& target);

// Whether `name` (a file name in the target's folder) is a temporary file of
// a writer of `target` that can no longer be at work: its process has ended,
// or, for names without a process id, it has not changed for 10 minutes.
bool IsDeadLeftover(const std::filesystem::path& target, const std::string& name);

// Removes the dead leftovers of `target`; errors are ignored. Runs once per
// target in a process, so that a writer called at every edit stays cheap.
void RemoveLeftoversOf(const std::filesystem::path& target);

}  // namespace glimmora::files
