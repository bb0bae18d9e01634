#include "settings/QtTranslationGaps.h"

#include <cstring>

namespace glimmora {

namespace {

struct Gap {
    const char* context;
    const char* source;
    const char* chinese;
};

constexpr Gap kChinese[] = {
    {"QAbstractFileIconProvider", "Folder", "文件夹"},
    {"QAbstractFileIconProvider", "Drive", "驱动器"},
    {"QAbstractFileIconProvider", "Shortcut", "快捷方式"},
    {"QAbstractFileIconProvider", "File", "文件"},
};

}  // namespace

QString QtTranslationGaps::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (isEmpty() || !context || !sourceText) return {};
    for (const Gap& gap : kChinese)
        if (std::strcmp(context, gap.context) == 0 && std::strcmp(sourceText, gap.source) == 0)
            return QString::fromUtf8(gap.chinese);
    return {};
}

}  // namespace glimmora
