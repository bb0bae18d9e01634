#include "workspace/TAboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace glimmora {

TAboutBox::TAboutBox(QWidget* owner, const QString& text)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("AboutBox");
    setWindowTitle("About Glimmora");
    auto* layout = new QVBoxLayout(this);
    // The lines carry numbers of this program and machine: no names, so that
    // no language file replaces them.
    for (const QString& line : text.split('\n')) {
        auto* label = new QLabel(line, this);
        if (layout->count() == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        layout->addWidget(label);
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
}

}  // namespace glimmora
