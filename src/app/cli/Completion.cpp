#include "app/cli/Completion.h"

#include "app/cli/Commands.h"
#include "app/cli/HelpText.h"
#include "app/cli/ObjectProperties.h"
#include "app/cli/OpenProject.h"
#include "app/cli/Templates.h"
#include "effects/picture/PicEffectTable.h"
#include "effects/text/TextEffectDefaults.h"
#include "effects/text/TextEffects.h"

#include <algorithm>
#include <exception>

namespace glimmora::cli {

namespace {

// What the command line says so far, read as the command will read it.
struct Context {
    const CommandSyntax* command = nullptr;
    std::vector<std::string> positional;
    const OptionSyntax* valueOf = nullptr;  // the option whose value is being completed
    bool onlyPositional = false;          // after "--"
    bool movie = false;                   // set --movie
};

const OptionSyntax* FindOption(const CommandSyntax& command, const std::string& name)
{
    for (const OptionSyntax& option : command.options)
        if (std::find(option.names.begin(), option.names.end(), name) != option.names.end()) return &option;
    return nullptr;
}

Context Read(const CommandSyntax& command, const std::vector<std::string>& before)
{
    Context context;
    context.command = &command;
    for (size_t i = 1; i < before.size(); ++i) {
        const std::string word = TypedWord(before[i]);
        if (context.valueOf) {
            if (word != "=") context.valueOf = nullptr;  // "--template = VALUE" as the shell splits it
            continue;
        }
        if (context.onlyPositional || !IsOptionWord(word)) {
            context.positional.push_back(word);
        } else if (word == "--") {
            context.onlyPositional = true;
        } else if (const OptionSyntax* option = FindOption(command, word.substr(0, word.find('=')))) {
            if (option->TakesValue() && word.find('=') == std::string::npos) context.valueOf = option;
            if (option->Name() == "--movie") context.movie = true;
        }
    }
    return context;
}

// The objects of the project, of one kind or of all.
std::vector<std::string> ObjectNames(const std::string& project, const std::string& kind)
{
    std::vector<std::string> names;
    try {
        OpenProject opened(project);
        const IXMLObjList objects = opened.Movie().Obj();
        for (int i = 0; i < objects.Count(); ++i)
            if (kind.empty() || objects.Items(i).ObjTypeName() == kind) names.push_back(objects.Items(i).ObjName());
    } catch (const std::exception&) {
        // No project (yet): nothing to offer.
    }
    return names;
}

std::string KindOfObject(const std::string& project, const std::string& name)
{
    try {
        OpenProject opened(project);
        if (const auto obj = opened.Find(name)) return obj->ObjTypeName();
    } catch (const std::exception&) {
    }
    return "";
}

const PropertySpec* PropertyBeingSet(const Context& context)
{
    const std::vector<std::string>& p = context.positional;
    if (context.movie) return p.size() >= 2 ? FindProperty("Movie", p[1]) : nullptr;
    return p.size() >= 3 ? FindProperty(KindOfObject(p[0], p[1]), p[2]) : nullptr;
}

std::vector<std::string> ValuesOf(const PropertySpec* property)
{
    if (!property) return {};
    switch (property->type) {
    case PropertyType::TextEffect: return TextEffectNames();
    case PropertyType::PictureEffect: return PicEffectNames();
    case PropertyType::FontSize: return TextEditorFontSizes();
    case PropertyType::YesNo: return {"True", "False"};
    default: return {};
    }
}

Completion Files(std::vector<std::string> extensions) { return {"files", std::move(extensions)}; }

Completion Words(std::vector<std::string> words) { return {"words", std::move(words)}; }

Completion ForKind(WordKind kind, const Context& context)
{
    const std::vector<std::string>& p = context.positional;
    const std::string project = p.empty() ? "" : p[0];
    switch (kind) {
    case WordKind::Nothing: return {};
    case WordKind::AnyFile: return Files({});
    case WordKind::Directory: return {"dirs", {}};
    case WordKind::Project:
    case WordKind::NewProject: return Files({".gmr"});
    case WordKind::Movie: return Files({".swf"});
    case WordKind::ProjectOrMovie: return Files({".gmr", ".swf"});
    case WordKind::Picture: return Files({".bmp", ".jpg", ".jpeg"});
    case WordKind::Sound: return Files({".wav", ".mp3"});
    case WordKind::Table: return Files({".csv"});
    case WordKind::Object: return Words(ObjectNames(project, ""));
    case WordKind::PictureObject: return Words(ObjectNames(project, "Pic"));
    case WordKind::SoundObject: return Words(ObjectNames(project, "Sound"));
    case WordKind::TextObject: return Words(ObjectNames(project, "Text"));
    case WordKind::Property: {
        const std::string kindName = context.movie ? "Movie" : KindOfObject(project, p.size() > 1 ? p[1] : "");
        std::vector<std::string> names;
        if (!kindName.empty())
            for (const PropertySpec& property : PropertiesOf(kindName))
                if (property.settable) names.push_back(property.name);
        return Words(names);
    }
    case WordKind::PropertyValue: return Words(ValuesOf(PropertyBeingSet(context)));
    case WordKind::TextEffect: return Words(TextEffectNames());
    case WordKind::Template: return Words(TemplateNames());
    case WordKind::Command: {
        std::vector<std::string> names;
        for (const CommandSyntax& command : Commands())
            if (!command.hidden) names.push_back(command.name);
        return Words(names);
    }
    }
    return {};
}

WordKind ArgumentKind(const Context& context)
{
    std::vector<WordKind> kinds = context.command->arguments;
    if (context.movie) kinds = {WordKind::Project, WordKind::Property, WordKind::PropertyValue};
    const size_t index = context.positional.size();
    if (index < kinds.size()) return kinds[index];
    return context.command->repeatLast && !kinds.empty() ? kinds.back() : WordKind::Nothing;
}

// Keeps the words that start with what was typed, made ready for the shell.
Completion Offered(Completion completion, const std::string& raw)
{
    if (completion.what != "words") return completion;
    const std::string typed = TypedWord(raw);
    const bool quoted = !raw.empty() && (raw[0] == '"' || raw[0] == '\'');
    std::vector<std::string> kept;
    for (const std::string& word : completion.words)
        if (word.rfind(typed, 0) == 0) kept.push_back(quoted ? word : ShellEscaped(word));
    completion.words = std::move(kept);
    return completion;
}

}  // namespace

std::string ShellEscaped(const std::string& word)
{
    std::string escaped;
    for (const char c : word) {
        if (std::string_view(" \t\"'\\$`!&|;<>()[]{}*?#~=:,").find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string TypedWord(const std::string& raw)
{
    std::string word;
    size_t at = 0;
    char quote = 0;
    if (!raw.empty() && (raw[0] == '"' || raw[0] == '\'')) quote = raw[at++];
    for (; at < raw.size(); ++at) {
        const char c = raw[at];
        if (c == quote) continue;  // the closing quote
        if (c == '\\' && quote != '\'' && at + 1 < raw.size()) {
            word += raw[++at];
            continue;
        }
        word += c;
    }
    return word;
}

Completion Complete(const std::vector<std::string>& words)
{
    if (words.empty()) return {};
    const std::string& raw = words.back();
    const std::vector<std::string> before(words.begin(), words.end() - 1);
    if (before.empty()) return Offered(ForKind(WordKind::Command, {}), raw);

    const CommandSyntax* command = FindCommand(before[0]);
    if (!command || command->hidden) return {};
    const Context context = Read(*command, before);
    if (context.valueOf) return Offered(ForKind(context.valueOf->completes, context), raw == "=" ? "" : raw);

    const std::string typed = TypedWord(raw);
    if (!context.onlyPositional && (typed == "-" || IsOptionWord(typed))) {
        std::vector<std::string> names;
        for (const auto* options : {&command->options, &CommonOptions()})
            for (const OptionSyntax& option : *options) names.insert(names.end(), option.names.begin(), option.names.end());
        return Offered(Words(names), raw);
    }
    return Offered(ForKind(ArgumentKind(context), context), raw);
}

}  // namespace glimmora::cli
