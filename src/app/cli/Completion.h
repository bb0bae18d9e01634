#pragma once
// Shell completion, made from the command table: the bash script installed
// with the program asks `glimmora-cli __complete WORDS...` (the words after
// the program's name, the last the one being completed) and offers what it
// prints. The first line says what to offer: "words" (the lines after it,
// ready for the shell), "files EXT..." (files with those extensions, and
// folders), "dirs", or "nothing".

#include <string>
#include <vector>

namespace glimmora::cli {

struct Completion {
    std::string what = "nothing";     // "words", "files", "dirs" or "nothing"
    std::vector<std::string> words;   // the candidates, or the extensions for "files"
};

Completion Complete(const std::vector<std::string>& words);

// `word` as the shell must see it to read it back as one word: blanks,
// quotes and the shell's special characters escaped with a backslash.
std::string ShellEscaped(const std::string& word);

// The word as the shell will read it, from what has been typed of it: a
// leading quote dropped, backslash escapes resolved.
std::string TypedWord(const std::string& raw);

}  // namespace glimmora::cli
