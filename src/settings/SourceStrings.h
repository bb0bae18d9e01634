#pragma once
// The string constants of C++ source text, for the "Misc" section of a
// language template: `constexpr char kName[] = "text";`,
// `const char* Name = "text";` or `Name = "a" "\n" "b";`, where a literal may
// go on in the following lines. Line breaks and tabs inside the text become
// "*|*", once for every run of them; the pieces are otherwise joined.

#include <QString>
#include <QStringList>

#include <filesystem>
#include <utility>
#include <vector>

namespace glimmora {

using SourceString = std::pair<QString, QString>;  // constant name, text

std::vector<SourceString> CollectSourceStrings(const QStringList& lines);

// Every ".cpp" and ".h" file directly in `folder`, in name order, except the
// files whose base name is `skipBaseName`. Throws std::runtime_error with the
// file system's error text when a file cannot be read; `collected` then holds
// the constants of the files read before it.
void CollectSourceFolder(const std::filesystem::path& folder, const QString& skipBaseName,
                         std::vector<SourceString>& collected);

}  // namespace glimmora
