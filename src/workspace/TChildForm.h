#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

namespace glimmora {

// Base of the tool windows that dock on the right of the main window.
// With only an owner it is an ordinary free window; with an owner and a
// panel it sits inside the panel as a borderless child at (0, 0), 180 wide
// and as high as the panel (it follows the panel's height, so that a list
// in it scrolls instead of running past the panel's bottom). Every tool
// window paints its own light green background, so that one docked above
// another covers it.
//
// A docked window shows its caption in a strip along its top, as a free
// window shows it in its title bar. A window given dock sites can be dragged
// by that strip or its background (a press on no
// control, then a move of at least the platform's drag distance): a docked
// window comes out of its panel as a free tool window that follows the
// mouse; released over one of the sites, a window docks into that site,
// elsewhere it stays free where it was dropped.
class TChildForm : public QWidget {
    Q_OBJECT
public:
    explicit TChildForm(QWidget* owner);
    TChildForm(QWidget* owner, QWidget* panel);
    ~TChildForm() override;

    QWidget* Owner() const { return owner_; }
    QWidget* Panel() const { return panel_; }
    bool IsDocked() const { return panel_ != nullptr; }

    // Puts the window into a panel (docked) or takes it out (panel == nullptr).
    void DockInto(QWidget* panel);

    // The panels the window may be dragged into; none: it cannot be dragged.
    void SetDockSites(std::vector<QWidget*> sites);
    bool IsDockable() const { return !sites_.empty(); }
    // The visible dock site under a point of the screen, if any.
    QWidget* DockSiteAt(const QPoint& global) const;

    static constexpr int DockedWidth = 180;
    static constexpr int DockedHeight = 400;  // out of a panel, while dragged
    // The tool windows' background colour value.
    static constexpr int BackgroundColor = 15464427;
    // The strip along the top of a docked or dockable window that shows its
    // caption (a dockable window is dragged by it).
    static constexpr int CaptionHeight = 16;
    bool ShowsCaptionStrip() const { return IsDocked() || IsDockable(); }

protected:
    // A docked window that is shown moves to this left position in its panel.
    void SetDockedLeft(int left) { dockedLeft_ = left; }
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Drag { None, Pressed, Moving };

    void PaintBackground();
    void FitPanel();  // a docked window's size in a panel without a layout
    void UpdateCaptionStrip();

    QWidget* owner_ = nullptr;
    QWidget* panel_ = nullptr;
    std::vector<QPointer<QWidget>> sites_;
    std::optional<int> dockedLeft_;
    Drag drag_ = Drag::None;
    QPoint pressGlobal_;  // where the button went down, on the screen
    QPoint grip_;         // the press point within the window
};

}  // namespace glimmora
