#include "tools/TSwfToExeForm.h"

#include "tools/files/Projector.h"

namespace glimmora {

TSwfToExeForm::TSwfToExeForm(QWidget* owner, std::filesystem::path player)
    : ConvertFileForm(owner, {"SwfToExeForm", "Convert Swf To Exe", QSize(343, 122), "Convert Swf To Exe:",
                              "Source file (.swf):", "Target file (.exe):", "SourceSwf", "TargetExe",
                              "Something error!", ".exe"}),
      player_(std::move(player))
{
}

bool TSwfToExeForm::Convert(const std::filesystem::path& source, const std::filesystem::path& target)
{
    return tools::SwfToExe(source, target, player_);
}

}  // namespace glimmora
