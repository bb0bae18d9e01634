#pragma once
// The commands of glimmora-cli. Each command file makes its CommandSyntax; the
// table lists them in the order the help shows them within their group.
// A new command is a new file and one line in CommandTable.cpp.

#include "app/cli/CommandSyntax.h"

#include <string>
#include <vector>

namespace glimmora::cli {

CommandSyntax NewCommand();
CommandSyntax AddTextCommand();
CommandSyntax SetCommand();
CommandSyntax ImportPictureCommand();
CommandSyntax ImportSoundCommand();
CommandSyntax ListCommand();
CommandSyntax BuildCommand();
CommandSyntax SwfToExeCommand();
CommandSyntax ExeToSwfCommand();
#ifdef GLIMMORA_HAS_PLAYER
CommandSyntax RenderCommand();
CommandSyntax ExportCommand();
#endif
CommandSyntax EffectsCommand();
CommandSyntax HelpCommand();
CommandSyntax CompleteCommand();

// Every command, hidden ones included.
const std::vector<CommandSyntax>& Commands();

// The command of that name, or nullptr.
const CommandSyntax* FindCommand(const std::string& name);

}  // namespace glimmora::cli
