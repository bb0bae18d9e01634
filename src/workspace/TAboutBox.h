#pragma once
// The About box: the product name, the version line and the machine's
// memory, with an OK button. Made on first use and kept.

#include <QDialog>

namespace glimmora {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // `text`: the product name, the version line and the memory lines, one a line.
    TAboutBox(QWidget* owner, const QString& text);
};

}  // namespace glimmora
