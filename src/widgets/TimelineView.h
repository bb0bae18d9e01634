#pragma once
// The timeline: one row per object, a bar from its start to its end frame
// with the effect's run drawn inside it, the play position as a line and the
// frame numbers above. A click on a bar selects its row; dragging a bar moves
// it in time and dragging either end changes that end, reported once, when
// the button is let go. Ctrl+wheel zooms about the mouse, the wheel scrolls.
//
// The view knows rows and frames only; what they stand for is its owner's.
// Painting touches only the rows and frames in sight, so a long movie with
// many objects costs no more to draw than a short one.

#include <QAbstractScrollArea>
#include <QString>

#include <optional>
#include <vector>

namespace glimmora {

struct TimelineRow {
    QString name;
    QString kind;       // "Text", "Pic", "Sound": chooses the bar's colour
    int start = 0;      // first frame, from 0
    int end = 0;        // last frame, from 0
    // The frames the object's effect plays over, when known; `runStays`:
    // its last placement stays on the stage after the run.
    std::optional<std::pair<int, int>> run;
    bool runStays = false;
    bool movable = true;  // false: the bar cannot be dragged
};

class TimelineView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TimelineView(QWidget* parent = nullptr);

    void SetRows(std::vector<TimelineRow> rows);
    const std::vector<TimelineRow>& Rows() const { return rows_; }
    void SetFrameCount(int frames);
    int FrameCount() const { return frameCount_; }
    void SetPlayFrame(int frame);
    int PlayFrame() const { return playFrame_; }
    void SetSelectedRow(int row);  // -1: none
    int SelectedRow() const { return selected_; }

    // Pixels per frame (zoom), kept between MinFrameWidth and MaxFrameWidth.
    void SetFrameWidth(double pixels);
    double FrameWidth() const { return frameWidth_; }
    static constexpr double MinFrameWidth = 0.25;
    static constexpr double MaxFrameWidth = 40;

    static constexpr int RulerHeight = 18;
    static constexpr int RowHeight = 18;
    static constexpr int NameWidth = 96;  // the column of object names
    static constexpr int EndGrip = 4;     // pixels on either end of a bar that drag that end

    // Geometry in viewport coordinates, for tests and for the owner.
    int RowTop(int row) const;
    double FrameX(double frame) const;
    int FrameAt(int x) const;  // nearest frame boundary left of x
    std::optional<int> RowAt(int y) const;

    // Draws the view as it stands into `painter`'s device (the viewport's
    // size); used by paintEvent and by the benchmark.
    void PaintTo(QPainter& painter, const QRect& area) const;

signals:
    void rowClicked(int row);
    void frameClicked(int frame);  // a click on the ruler
    // The user dragged the bar of `row` (or one end of it) and let go.
    void timesChanged(int row, int start, int end);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    enum class Grip { None, Body, Start, End };
    Grip GripAt(int row, int x) const;
    void UpdateScrollBars();
    void PaintRuler(QPainter& painter, int firstFrame, int lastFrame, int width) const;
    void PaintRow(QPainter& painter, int row, int firstFrame, int lastFrame, int width) const;

    std::vector<TimelineRow> rows_;
    int frameCount_ = 1;
    int playFrame_ = 0;
    int selected_ = -1;
    double frameWidth_ = 4;

    struct Drag {
        int row = -1;
        Grip grip = Grip::None;
        int pressFrame = 0;   // frame under the mouse at the press
        int start = 0, end = 0;  // the row's frames at the press
    };
    std::optional<Drag> drag_;
};

}  // namespace glimmora
