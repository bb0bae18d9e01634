#include "workspace/TChildForm.h"

#include <QLayout>

namespace glimmora {

TChildForm::TChildForm(QWidget* owner)
    : QWidget(owner, Qt::Tool), owner_(owner) {}

TChildForm::TChildForm(QWidget* owner, QWidget* panel)
    : QWidget(panel), owner_(owner) {
    DockInto(panel);
}

TChildForm::~TChildForm() = default;

void TChildForm::DockInto(QWidget* panel) {
    panel_ = panel;
    if (panel) {
        setParent(panel, Qt::Widget);  // child window: no border, no border icons
        setGeometry(0, 0, DockedWidth, DockedHeight);
        if (panel->layout()) panel->layout()->addWidget(this);
    } else {
        setParent(owner_, Qt::Tool);
    }
}

}  // namespace glimmora
