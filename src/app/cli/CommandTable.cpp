#include "app/cli/Commands.h"

namespace glimmora::cli {

const std::vector<CommandSpec>& Commands()
{
    static const std::vector<CommandSpec> table = {
        NewCommand(),
        AddTextCommand(),
        SetCommand(),
        ImportPictureCommand(),
        ImportSoundCommand(),
        ListCommand(),
        BuildCommand(),
#ifdef GLIMMORA_HAS_PLAYER
        RenderCommand(),
        ExportCommand(),
#endif
        SwfToExeCommand(),
        ExeToSwfCommand(),
        EffectsCommand(),
        HelpCommand(),
        CompleteCommand(),
    };
    return table;
}

const CommandSpec* FindCommand(const std::string& name)
{
    for (const CommandSpec& command : Commands())
        if (command.name == name) return &command;
    return nullptr;
}

OptionSpec OutputOption(const std::string& help)
{
    return {{"-o", "--output"}, "FILE", help, WordKind::AnyFile};
}

}  // namespace glimmora::cli
