#pragma once
// Whole-file reads and writes for project files. A write goes to a new file
// beside the target and is then renamed over it, so the target is either the
// old file or the complete new one, never a truncated mix.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace glimmora {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

// Replaces `target` with `bytes`; throws DocumentError "Cannot write <target>:
// <reason>" and leaves no temporary file behind when anything fails.
void WriteFileReplacing(const std::filesystem::path& target, std::string_view bytes);

}  // namespace glimmora
