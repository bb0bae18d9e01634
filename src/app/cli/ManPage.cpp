#include "app/cli/ManPage.h"

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/HelpText.h"

#include <sstream>

namespace glimmora::cli {

namespace {

void WriteOptions(std::ostream& out, const std::vector<OptionSyntax>& options)
{
    for (const OptionSyntax& option : options) {
        out << ".TP\n";
        std::string names;
        for (const std::string& name : option.names) names += (names.empty() ? "" : ", ") + ("\\fB" + RoffText(name) + "\\fR");
        if (option.TakesValue()) names += " \\fI" + RoffText(option.value) + "\\fR";
        out << names << '\n' << RoffText(option.help) << '\n';
    }
}

// Paragraphs as .PP, example lines (two blanks ahead) as an indented block.
void WriteDescription(std::ostream& out, const std::string& description)
{
    std::istringstream lines(description);
    std::string line;
    bool inExample = false, paragraphOpen = false;
    while (std::getline(lines, line)) {
        const bool example = line.rfind("  ", 0) == 0;
        if (example && !inExample) {
            out << ".PP\n.RS 4\n.nf\n";
            inExample = true;
        } else if (!example && inExample) {
            out << ".fi\n.RE\n";
            inExample = false;
            paragraphOpen = false;
        }
        if (example) {
            out << RoffText(line.substr(2)) << '\n';
        } else if (line.empty()) {
            paragraphOpen = false;
        } else {
            if (!paragraphOpen) out << ".PP\n";
            paragraphOpen = true;
            out << RoffText(line) << '\n';
        }
    }
    if (inExample) out << ".fi\n.RE\n";
}

void WriteCommand(std::ostream& out, const CommandSyntax& command)
{
    for (const std::string& usage : command.usage)
        out << ".SS \"" << RoffText("glimmora-cli " + command.name + " " + usage) << "\"\n";
    out << RoffText(command.summary) << '\n';
    WriteDescription(out, command.description);
    WriteOptions(out, command.options);
}

}  // namespace

std::string RoffText(const std::string& text)
{
    std::string roff;
    for (const char c : text) {
        if (c == '\\') roff += "\\e";
        else if (c == '-') roff += "\\-";
        else roff += c;
    }
    if (!roff.empty() && (roff[0] == '.' || roff[0] == '\'')) roff = "\\&" + roff;
    return roff;
}

void WriteManPage(std::ostream& out)
{
    out << ".TH GLIMMORA\\-CLI 1 \"\" \"" << RoffText(VersionLine()) << "\" \"User Commands\"\n"
        << ".SH NAME\n"
        << "glimmora\\-cli \\- make, change and build Glimmora movies without the editor\n"
        << ".SH SYNOPSIS\n"
        << ".B glimmora\\-cli\n.I COMMAND\n[\\fIARGUMENTS\\fR] [\\fIOPTIONS\\fR]\n.br\n"
        << ".B glimmora\\-cli\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n"
        << ".SH DESCRIPTION\n"
        << "Glimmora composes short animated SWF movies from timed texts, pictures and sounds; every text or "
           "picture carries one named effect. A project is an XML file (\\fI.gmr\\fR).\n"
        << ".B glimmora\\-cli\n"
        << "does without the editor what the editor does: it makes projects from templates, adds and changes "
           "their objects, imports pictures and sounds, builds movies (several at once, or one per row of a "
           "table), draws frames as pictures, and makes projectors. Every command takes \\fB\\-\\-help\\fR "
           "and \\fB\\-\\-version\\fR.\n";
    for (CommandGroup group : {CommandGroup::Projects, CommandGroup::Movies, CommandGroup::Projectors,
                               CommandGroup::Information}) {
        std::string title = GroupTitle(group);
        for (char& c : title) c = char(std::toupper(static_cast<unsigned char>(c)));
        out << ".SH \"" << RoffText(title) << "\"\n";
        for (const CommandSyntax& command : Commands())
            if (command.group == group && !command.hidden) WriteCommand(out, command);
    }
    out << ".SH OPTIONS\nEvery command takes these:\n";
    WriteOptions(out, CommonOptions());
    out << ".SH \"EXIT STATUS\"\n";
    for (const ExitCodeMeaning& exit : ExitCodeMeanings())
        out << ".TP\n.B " << exit.code << '\n' << RoffText(exit.meaning) << '\n';
    out << ".SH ENVIRONMENT\n.TP\n.B TEMP\n"
           "The folder for working copies (default: the system's temporary folder). Each build and each "
           "conversion works in a folder of its own there, removed when it is done.\n"
        << ".SH FILES\n.TP\n.I /usr/lib/glimmora/template/\n"
           "The templates of \\fBnew\\fR: \\fIblank.gmr\\fR and \\fInormal.gmr\\fR.\n"
           ".TP\n.I /usr/lib/glimmora/examples/\nSample projects: every text effect, the picture families.\n"
           ".TP\n.I PROJECT.gmr, OBJECT.jpg, OBJECT.wav\n"
           "A project and the pictures and sounds of its objects, named after them, beside it.\n"
        << ".SH EXAMPLES\nA movie made by a script:\n.PP\n.RS 4\n.nf\n"
        << RoffText("glimmora-cli new show.gmr") << '\n'
        << RoffText("glimmora-cli set show.gmr --movie BgColor '#000040'") << '\n'
        << RoffText("glimmora-cli add-text show.gmr 'Hello!' --effect 'Come In' --size 48 --at 120,80 \\") << '\n'
        << RoffText("    --colour '#FFFF00' --name Title") << '\n'
        << RoffText("glimmora-cli import-picture show.gmr Photo photo.jpg --new") << '\n'
        << RoffText("glimmora-cli set show.gmr Photo EffectName 'Zoom In Up l -r'") << '\n'
        << RoffText("glimmora-cli import-sound show.gmr Music music.mp3 --new") << '\n'
        << RoffText("glimmora-cli build show.gmr") << '\n'
        << ".fi\n.RE\n"
        << ".SH \"SEE ALSO\"\n.BR glimmora (1),\n.BR glimmora\\-player (1)\n";
}

}  // namespace glimmora::cli
