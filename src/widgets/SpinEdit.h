#pragma once
// A spin edit: an integer field with up and down buttons that clamps values
// set into it to its range, reads an empty field as its minimum and reports
// the Enter key.

#include <QSpinBox>

namespace glimmora {

class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(QWidget* parent, int minimum, int maximum, int value = 0);

    // The value shown; an empty or unreadable field reads as the minimum.
    int Value() const;
    // Brings `value` into the range and shows it (a change emits valueChanged).
    void SetValue(int value);
    // At most this many characters may be typed (0: no limit).
    void SetMaxTypedLength(int characters);

signals:
    // Enter or Return was pressed in the field.
    void EnterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A number beyond the range may be typed; leaving the field brings it
    // into the range (a change).
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& input) const override;
};

}  // namespace glimmora
