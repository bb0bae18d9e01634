#pragma once
// Whether a file is our player program, the head of every projector and
// screensaver: an executable that carries the player's mark in its data.

#include <filesystem>
#include <string>

namespace glimmora::tools {

// The mark glimmora-player carries (see app/player). Made at run time, so
// that no other program of ours carries it and passes for the player.
std::string PlayerMark();

// True for a regular ELF executable that carries the mark.
bool IsPlayerProgram(const std::filesystem::path& file);

}  // namespace glimmora::tools
