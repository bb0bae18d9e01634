#include "app/cli/Commands.h"

namespace glimmora::cli {

const std::vector<CommandSyntax>& Commands()
{
    static const std::vector<CommandSyntax> table = {
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

const CommandSyntax* FindCommand(const std::string& name)
{
    for (const CommandSyntax& command : Commands())
        if (command.name == name) return &command;
    return nullptr;
}

OptionSyntax OutputOption(const std::string& help)
{
    return {{"-o", "--output"}, "FILE", help, WordKind::AnyFile};
}

}  // namespace glimmora::cli
