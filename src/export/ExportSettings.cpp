#include "export/ExportSettings.h"

#include "export/ExportError.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace glimmora::exporting {
namespace {

int RoundUpToEven(int n)
{
    return n + (n & 1);
}

}  // namespace

ExportPlan PlanExport(const swf::DecodedMovie& movie, const ExportSettings& settings)
{
    const int frames = movie.FrameCount();
    if (frames == 0) throw ExportError("The movie has no frames to export.");
    ExportPlan plan;
    plan.firstFrame = settings.firstFrame.value_or(0);
    plan.lastFrame = settings.lastFrame.value_or(frames - 1);
    if (plan.firstFrame < 0 || plan.lastFrame >= frames || plan.firstFrame > plan.lastFrame) {
        throw ExportError("The frames " + std::to_string(plan.firstFrame + 1) + " to " +
                          std::to_string(plan.lastFrame + 1) + " are not in the movie, which has " +
                          std::to_string(frames) + " frames.");
    }

    if (settings.size) {
        plan.size = *settings.size;
    } else {
        if (!(settings.scale > 0) || !std::isfinite(settings.scale))
            throw ExportError("The scale must be a number above 0.");
        const double width = std::max(1, movie.header.WidthPixels()) * settings.scale;
        const double height = std::max(1, movie.header.HeightPixels()) * settings.scale;
        if (width > kMaxExportSide + 0.5 || height > kMaxExportSide + 0.5) {
            plan.size = QSize(kMaxExportSide + 1, kMaxExportSide + 1);  // refused below
        } else {
            plan.size = QSize(std::max(1, int(std::lround(width))), std::max(1, int(std::lround(height))));
        }
    }
    const ExportFormat format = settings.format;
    if (format == ExportFormat::Mp4 || format == ExportFormat::WebM)
        plan.size = QSize(RoundUpToEven(plan.size.width()), RoundUpToEven(plan.size.height()));
    if (plan.size.width() < 1 || plan.size.height() < 1 || plan.size.width() > kMaxExportSide ||
        plan.size.height() > kMaxExportSide) {
        throw ExportError("The size " + std::to_string(plan.size.width()) + "x" +
                          std::to_string(plan.size.height()) + " is not between 1x1 and " +
                          std::to_string(kMaxExportSide) + "x" + std::to_string(kMaxExportSide) + ".");
    }
    if (settings.quality < 1 || settings.quality > 100)
        throw ExportError("The quality must be between 1 and 100.");
    if (settings.loopCount < 0) throw ExportError("The loop count cannot be negative.");
    if (movie.header.frameRate != 0) plan.frameRate = movie.header.frameRate;
    return plan;
}

}  // namespace glimmora::exporting
