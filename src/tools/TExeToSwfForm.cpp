#include "tools/TExeToSwfForm.h"

#include "tools/files/Projector.h"

namespace glimmora {

TExeToSwfForm::TExeToSwfForm(QWidget* owner)
    : ConvertFileForm(owner, {"ExeToSwfForm", "Convert Exe To Swf", QSize(342, 120), "Convert Exe To Swf:",
                              "Source file (.exe):", "Target file (.swf):", "SourceExe", "TargetSwf",
                              "Unknown type of executable flash file!", ".swf"})
{
}

bool TExeToSwfForm::Convert(const std::filesystem::path& source, const std::filesystem::path& target)
{
    return tools::ExeToSwf(source, target);
}

}  // namespace glimmora
