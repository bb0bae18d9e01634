#include "workspace/TChildForm.h"

#include "widgets/ColorButton.h"

#include <QApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>

namespace glimmora {

TChildForm::TChildForm(QWidget* owner)
    : QWidget(owner, Qt::Tool), owner_(owner) {
    PaintBackground();
}

TChildForm::TChildForm(QWidget* owner, QWidget* panel)
    : QWidget(panel), owner_(owner) {
    PaintBackground();
    DockInto(panel);
}

void TChildForm::PaintBackground() {
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, ColorOfValue(BackgroundColor));
    setPalette(background);
}

void TChildForm::FitPanel() {
    if (!panel_ || panel_->layout()) return;
    resize(DockedWidth, panel_->height());
}

bool TChildForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_ && event->type() == QEvent::Resize) FitPanel();
    return QWidget::eventFilter(watched, event);
}

TChildForm::~TChildForm() = default;

void TChildForm::DockInto(QWidget* panel) {
    const bool wasVisible = isVisible();
    if (panel_) panel_->removeEventFilter(this);
    panel_ = panel;
    if (panel) {
        setParent(panel, Qt::Widget);  // child window: no border, no border icons
        setGeometry(0, 0, DockedWidth, DockedHeight);
        if (panel->layout()) panel->layout()->addWidget(this);
        FitPanel();
        panel->installEventFilter(this);
    } else {
        setParent(owner_, Qt::Tool);
    }
    UpdateCaptionStrip();
    // Changing the parent hides a widget; a moved window stays in sight.
    if (wasVisible) {
        show();
        raise();
    }
}

void TChildForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A free window stays where it was put.
    if (IsDocked() && dockedLeft_) move(*dockedLeft_, y());
}

void TChildForm::SetDockSites(std::vector<QWidget*> sites) {
    sites_.assign(sites.begin(), sites.end());
    UpdateCaptionStrip();
}

void TChildForm::UpdateCaptionStrip() {
    setContentsMargins(0, ShowsCaptionStrip() ? CaptionHeight : 0, 0, 0);
    update();
}

void TChildForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange) update();  // a language file's caption
}

void TChildForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!ShowsCaptionStrip()) return;
    QPainter painter(this);
    const QRect strip(0, 0, width(), CaptionHeight);
    painter.fillRect(strip, palette().color(QPalette::Mid));
    QFont font = painter.font();
    font.setPixelSize(CaptionHeight - 4);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Light));
    const QRect text = strip.adjusted(4, 0, -4, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(windowTitle(), Qt::ElideRight, text.width()));
}

QWidget* TChildForm::DockSiteAt(const QPoint& global) const {
    for (const QPointer<QWidget>& site : sites_) {
        if (site && site->isVisible() && site->rect().contains(site->mapFromGlobal(global))) return site;
    }
    return nullptr;
}

void TChildForm::mousePressEvent(QMouseEvent* event) {
    // Only presses on the window's own background arrive here: its controls take theirs.
    if (IsDockable() && event->button() == Qt::LeftButton) {
        drag_ = Drag::Pressed;
        pressGlobal_ = event->globalPosition().toPoint();
        grip_ = event->position().toPoint();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TChildForm::mouseMoveEvent(QMouseEvent* event) {
    if (drag_ == Drag::None) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint global = event->globalPosition().toPoint();
    if (drag_ == Drag::Pressed) {
        if ((global - pressGlobal_).manhattanLength() < QApplication::startDragDistance()) return;
        drag_ = Drag::Moving;
        if (IsDocked()) {
            DockInto(nullptr);
            resize(DockedWidth, DockedHeight);
        }
        grabMouse(Qt::SizeAllCursor);
    }
    move(global - grip_);
    event->accept();
}

void TChildForm::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == Drag::None || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool moved = drag_ == Drag::Moving;
    drag_ = Drag::None;
    event->accept();
    if (!moved) return;
    releaseMouse();
    if (QWidget* site = DockSiteAt(event->globalPosition().toPoint())) DockInto(site);
}

}  // namespace glimmora
