#pragma once
// The small "Wait Processing ..." window shown while a chosen picture or
// sound is converted: a dialog that stays on top, 315 x 21, white, centred
// on the desktop each time it is shown.

#include <QDialog>

namespace glimmora {

class WaitWindow : public QDialog {
    Q_OBJECT
public:
    WaitWindow(QWidget* owner, const char* objectName);

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace glimmora
