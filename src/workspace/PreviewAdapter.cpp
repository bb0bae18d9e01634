#include "workspace/PreviewAdapter.h"

#include "player/widget/TShockwaveFlash.h"

namespace glimmora {

std::string PreviewAdapter::Movie() const { return flash_.Movie().toStdString(); }
void PreviewAdapter::SetMovie(const std::string& file) { flash_.SetMovie(QString::fromStdString(file)); }
int PreviewAdapter::TotalFrames() const { return flash_.TotalFrames(); }
int PreviewAdapter::FrameNum() const { return flash_.FrameNum(); }
void PreviewAdapter::SetFrameNum(int frame) { flash_.SetFrameNum(frame); }
bool PreviewAdapter::Playing() const { return flash_.Playing(); }
bool PreviewAdapter::Loop() const { return flash_.Loop(); }
void PreviewAdapter::SetLoop(bool loop) { flash_.SetLoop(loop); }
std::string PreviewAdapter::BGColor() const { return flash_.BGColor().toStdString(); }
void PreviewAdapter::SetBGColor(const std::string& color) { flash_.SetBGColor(QString::fromStdString(color)); }
void PreviewAdapter::Play() { flash_.Play(); }

}  // namespace glimmora
