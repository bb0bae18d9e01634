#include "widgets/TimelineView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace glimmora {

namespace {

QColor BarColor(const QString& kind)
{
    if (kind == "Pic") return QColor(120, 180, 120);
    if (kind == "Sound") return QColor(220, 160, 90);
    return QColor(110, 150, 220);
}

// Frames between two numbered ticks: the first of 1, 2, 5, 10, 20, 50, ...
// that leaves at least `minPixels` between labels.
int TickStep(double frameWidth, int minPixels)
{
    for (int scale = 1;; scale *= 10)
        for (int step : {1, 2, 5})
            if (step * scale * frameWidth >= minPixels || step * scale >= 1000000) return step * scale;
}

}  // namespace

TimelineView::TimelineView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName("TimelineView");
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(RowHeight);
}

void TimelineView::SetRows(std::vector<TimelineRow> rows)
{
    rows_ = std::move(rows);
    if (selected_ >= int(rows_.size())) selected_ = -1;
    drag_.reset();
    UpdateScrollBars();
    viewport()->update();
}

void TimelineView::SetFrameCount(int frames)
{
    frames = std::max(frames, 1);
    if (frames == frameCount_) return;
    frameCount_ = frames;
    UpdateScrollBars();
    viewport()->update();
}

void TimelineView::SetPlayFrame(int frame)
{
    if (frame == playFrame_) return;
    const int before = int(FrameX(playFrame_ + 0.5));
    playFrame_ = frame;
    const int after = int(FrameX(playFrame_ + 0.5));
    // Only the two strips the line leaves and enters are drawn again.
    viewport()->update(QRect(before - 2, 0, 5, viewport()->height()));
    viewport()->update(QRect(after - 2, 0, 5, viewport()->height()));
}

void TimelineView::SetSelectedRow(int row)
{
    row = row >= 0 && row < int(rows_.size()) ? row : -1;
    if (row == selected_) return;
    selected_ = row;
    if (row >= 0) {
        // Bring the row into sight.
        QScrollBar* bar = verticalScrollBar();
        const int top = row * RowHeight;
        const int visible = viewport()->height() - RulerHeight;
        if (top < bar->value()) bar->setValue(top);
        else if (top + RowHeight > bar->value() + visible) bar->setValue(top + RowHeight - visible);
    }
    viewport()->update();
}

void TimelineView::SetFrameWidth(double pixels)
{
    frameWidth_ = std::clamp(pixels, MinFrameWidth, MaxFrameWidth);
    UpdateScrollBars();
    viewport()->update();
}

int TimelineView::RowTop(int row) const { return RulerHeight + row * RowHeight - verticalScrollBar()->value(); }

double TimelineView::FrameX(double frame) const
{
    return NameWidth + frame * frameWidth_ - horizontalScrollBar()->value();
}

int TimelineView::FrameAt(int x) const
{
    return int(std::floor((x - NameWidth + horizontalScrollBar()->value()) / frameWidth_));
}

std::optional<int> TimelineView::RowAt(int y) const
{
    if (y < RulerHeight) return std::nullopt;
    const int row = (y - RulerHeight + verticalScrollBar()->value()) / RowHeight;
    if (row < 0 || row >= int(rows_.size())) return std::nullopt;
    return row;
}

void TimelineView::UpdateScrollBars()
{
    const int frameArea = std::max(0, viewport()->width() - NameWidth);
    const int contentWidth = int(std::ceil(frameCount_ * frameWidth_));
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth - frameArea));
    horizontalScrollBar()->setPageStep(std::max(1, frameArea));
    const int rowArea = std::max(0, viewport()->height() - RulerHeight);
    verticalScrollBar()->setRange(0, std::max(0, int(rows_.size()) * RowHeight - rowArea));
    verticalScrollBar()->setPageStep(std::max(1, rowArea));
}

void TimelineView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TimelineView::scrollContentsBy(int, int) { viewport()->update(); }

void TimelineView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PaintTo(painter, event->rect());
}

void TimelineView::PaintTo(QPainter& painter, const QRect& area) const
{
    const int width = viewport()->width();
    painter.fillRect(area, palette().color(QPalette::Base));
    painter.setClipRect(area);
    // Only the frames and rows in sight (and in the area) are drawn.
    const int firstFrame = std::max(0, FrameAt(std::max(area.left(), NameWidth)));
    const int lastFrame = std::min(frameCount_ - 1, FrameAt(area.right()) + 1);
    const int firstRow = std::max(0, (std::max(area.top(), RulerHeight) - RulerHeight + verticalScrollBar()->value()) / RowHeight);
    const int lastRow =
        std::min(int(rows_.size()) - 1, (area.bottom() - RulerHeight + verticalScrollBar()->value()) / RowHeight);
    for (int row = firstRow; row <= lastRow; ++row) PaintRow(painter, row, firstFrame, lastFrame, width);

    // Beyond the movie's last frame.
    const int movieEnd = int(FrameX(frameCount_));
    if (movieEnd < width) painter.fillRect(QRect(movieEnd, RulerHeight, width - movieEnd, viewport()->height()), palette().color(QPalette::AlternateBase));

    PaintRuler(painter, firstFrame, lastFrame, width);

    painter.setClipRect(QRect(NameWidth, 0, width - NameWidth, viewport()->height()).intersected(area));
    const int play = int(FrameX(playFrame_ + 0.5));
    painter.setPen(QPen(QColor(220, 0, 0), 1));
    painter.drawLine(play, 0, play, viewport()->height());
}

void TimelineView::PaintRuler(QPainter& painter, int firstFrame, int lastFrame, int width) const
{
    const QRect ruler(0, 0, width, RulerHeight);
    painter.fillRect(ruler, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, RulerHeight - 1, width, RulerHeight - 1);
    painter.save();
    painter.setClipRect(QRect(NameWidth, 0, width - NameWidth, RulerHeight), Qt::IntersectClip);
    painter.setPen(palette().color(QPalette::ButtonText));
    // Frames are numbered from 1, as the editors show them.
    const int step = TickStep(frameWidth_, 48);
    const int minor = std::max(1, step / (step % 5 == 0 ? 5 : 2));
    const auto tick = [&](int number, bool major) {
        const int x = int(FrameX(number - 0.5));
        painter.drawLine(x, major ? RulerHeight - 7 : RulerHeight - 4, x, RulerHeight - 1);
        if (major) painter.drawText(x + 2, RulerHeight - 6, QString::number(number));
    };
    if (firstFrame == 0) tick(1, true);
    for (int number = std::max(minor, (firstFrame + 1) / minor * minor); number <= lastFrame + 1 + step; number += minor)
        tick(number, number % step == 0);
    painter.restore();
    painter.fillRect(QRect(0, 0, NameWidth, RulerHeight), palette().color(QPalette::Button));
}

void TimelineView::PaintRow(QPainter& painter, int row, int firstFrame, int lastFrame, int width) const
{
    const TimelineRow& r = rows_[size_t(row)];
    const int top = RowTop(row);
    if (row == selected_) painter.fillRect(QRect(0, top, width, RowHeight), palette().color(QPalette::Highlight).lighter(170));
    else if (row % 2) painter.fillRect(QRect(0, top, width, RowHeight), palette().color(QPalette::AlternateBase));

    painter.save();
    painter.setClipRect(QRect(NameWidth, top, width - NameWidth, RowHeight), Qt::IntersectClip);
    if (r.end >= firstFrame && r.start <= lastFrame) {
        const QRectF bar(FrameX(r.start), top + 3, (r.end - r.start + 1) * frameWidth_, RowHeight - 6);
        const QColor colour = BarColor(r.kind);
        painter.fillRect(bar, colour.lighter(125));
        painter.setPen(colour.darker(150));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
    }
    if (r.run && r.run->second >= firstFrame && r.run->first <= lastFrame) {
        const QColor colour = BarColor(r.kind).darker(140);
        const QRectF run(FrameX(r.run->first), top + 7, (r.run->second - r.run->first + 1) * frameWidth_, RowHeight - 14);
        painter.fillRect(run, colour);
    }
    if (r.run && r.runStays && r.run->second + 1 < frameCount_) {
        painter.setPen(QPen(BarColor(r.kind).darker(140), 1, Qt::DotLine));
        const int y = top + RowHeight / 2;
        painter.drawLine(int(FrameX(r.run->second + 1)), y, int(FrameX(frameCount_)), y);
    }
    painter.restore();

    painter.fillRect(QRect(0, top, NameWidth, RowHeight), row == selected_ ? palette().color(QPalette::Highlight)
                                                                           : palette().color(QPalette::Button));
    painter.setPen(row == selected_ ? palette().color(QPalette::HighlightedText) : palette().color(QPalette::ButtonText));
    painter.drawText(QRect(4, top, NameWidth - 8, RowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     painter.fontMetrics().elidedText(r.name, Qt::ElideRight, NameWidth - 8));
}

TimelineView::Grip TimelineView::GripAt(int row, int x) const
{
    const TimelineRow& r = rows_[size_t(row)];
    const double left = FrameX(r.start), right = FrameX(r.end + 1);
    if (x < left - EndGrip || x > right + EndGrip) return Grip::None;
    // A bar narrower than its two grips is moved whole from its middle.
    if (right - left > 3 * EndGrip) {
        if (x <= left + EndGrip) return Grip::Start;
        if (x >= right - EndGrip) return Grip::End;
    } else if (x < left || x > right) {
        return x < left ? Grip::Start : Grip::End;
    }
    return Grip::Body;
}

void TimelineView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (at.y() < RulerHeight) {
        if (at.x() >= NameWidth) emit frameClicked(std::clamp(FrameAt(at.x()), 0, frameCount_ - 1));
        return;
    }
    const std::optional<int> row = RowAt(at.y());
    if (!row) return;
    SetSelectedRow(*row);
    emit rowClicked(*row);
    const Grip grip = at.x() >= NameWidth && rows_[size_t(*row)].movable ? GripAt(*row, at.x()) : Grip::None;
    if (grip == Grip::None) return;
    const TimelineRow& r = rows_[size_t(*row)];
    drag_ = Drag{*row, grip, FrameAt(at.x()), r.start, r.end};
}

void TimelineView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!drag_) {
        const std::optional<int> row = RowAt(at.y());
        const Grip grip =
            row && at.x() >= NameWidth && rows_[size_t(*row)].movable ? GripAt(*row, at.x()) : Grip::None;
        viewport()->setCursor(grip == Grip::Start || grip == Grip::End ? Qt::SizeHorCursor
                              : grip == Grip::Body                      ? Qt::OpenHandCursor
                                                                        : Qt::ArrowCursor);
        return;
    }
    if (drag_->row >= int(rows_.size())) return;
    TimelineRow& r = rows_[size_t(drag_->row)];
    const int delta = FrameAt(at.x()) - drag_->pressFrame;
    switch (drag_->grip) {
    case Grip::Body: {
        const int shift = std::max(delta, -drag_->start);
        r.start = drag_->start + shift;
        r.end = drag_->end + shift;
        break;
    }
    case Grip::Start: r.start = std::clamp(drag_->start + delta, 0, r.end); break;
    case Grip::End: r.end = std::max(drag_->end + delta, r.start); break;
    case Grip::None: break;
    }
    viewport()->update(QRect(0, RowTop(drag_->row), viewport()->width(), RowHeight));
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !drag_) return;
    const Drag drag = *drag_;
    drag_.reset();
    if (drag.row >= int(rows_.size())) return;
    const TimelineRow& r = rows_[size_t(drag.row)];
    if (r.start != drag.start || r.end != drag.end) emit timesChanged(drag.row, r.start, r.end);
}

void TimelineView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ShiftModifier) {
        QScrollBar* across = horizontalScrollBar();
        across->setValue(across->value() - event->angleDelta().y() * across->singleStep() / 40);
        event->accept();
        return;
    }
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Zoom about the frame under the mouse: it stays where it is.
    const double x = event->position().x();
    const double frame = (x - NameWidth + horizontalScrollBar()->value()) / frameWidth_;
    const double factor = std::pow(1.25, event->angleDelta().y() / 120.0);
    SetFrameWidth(frameWidth_ * factor);
    horizontalScrollBar()->setValue(int(std::lround(frame * frameWidth_ - (x - NameWidth))));
    event->accept();
}

}  // namespace glimmora
