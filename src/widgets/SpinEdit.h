#pragma once
// A spin edit: an integer field with up and down buttons. A number typed
// into it is read as typed, even beyond the range, until the field is left or
// Enter is pressed; then the field brings it into the range. Values set by
// the program are brought into the range at once. An empty field reads as
// the minimum.

#include <QSpinBox>

namespace glimmora {

class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(QWidget* parent, int minimum, int maximum, int value = 0);

    // The number shown, as typed; an empty field reads as the minimum, text
    // that is no number (a lone "-") as the last number.
    int Value() const;
    // Brings `value` into the range and shows it (a change emits Changed).
    // While the user types, a value that the typed number already stands
    // for leaves the typed text alone.
    void SetValue(int value);
    // At most this many characters may be typed (0: no limit).
    void SetMaxTypedLength(int characters);
    // The user has typed into the field and not yet left it or pressed Enter.
    bool Typing() const { return typing_; }

signals:
    // Value() changed: a digit typed or deleted, a step, or a value set.
    void Changed(int value);
    // Enter or Return was pressed in the field.
    void EnterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // A number beyond the range may be typed; leaving the field brings it
    // into the range (a change).
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& input) const override;

private:
    void TextChanged();

    int reported_ = 0;  // the value last reported through Changed
    bool typing_ = false;
};

}  // namespace glimmora
