#pragma once

#include <QWidget>

namespace glimmora {

// Base of the tool windows that dock on the right of the main window.
// With only an owner it is an ordinary free window; with an owner and a
// panel it sits inside the panel as a borderless child, 180 x 400 at (0, 0).
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

    static constexpr int DockedWidth = 180;
    static constexpr int DockedHeight = 400;

private:
    QWidget* owner_ = nullptr;
    QWidget* panel_ = nullptr;
};

}  // namespace glimmora
