#pragma once
// The commands of glimmora-cli. Each command file makes its CommandSpec; the
// table lists them in the order the help shows them within their group.
// A new command is a new file and one line in CommandTable.cpp.

#include "app/cli/CommandSpec.h"

#include <string>
#include <vector>

namespace glimmora::cli {

CommandSpec NewCommand();
CommandSpec AddTextCommand();
CommandSpec SetCommand();
CommandSpec ImportPictureCommand();
CommandSpec ImportSoundCommand();
CommandSpec ListCommand();
CommandSpec BuildCommand();
CommandSpec SwfToExeCommand();
CommandSpec ExeToSwfCommand();
#ifdef GLIMMORA_HAS_PLAYER
CommandSpec RenderCommand();
CommandSpec ExportCommand();
#endif
CommandSpec EffectsCommand();
CommandSpec HelpCommand();
CommandSpec CompleteCommand();

// Every command, hidden ones included.
const std::vector<CommandSpec>& Commands();

// The command of that name, or nullptr.
const CommandSpec* FindCommand(const std::string& name);

}  // namespace glimmora::cli
