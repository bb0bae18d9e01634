#include "widgets/SpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace glimmora {

SpinEdit::SpinEdit(QWidget* parent, int minimum, int maximum, int value) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setAccelerated(true);
    setKeyboardTracking(true);  // every typed digit is a change
    QSpinBox::setValue(std::clamp(value, minimum, maximum));
    reported_ = Value();
    // The line edit reports what is typed, a number beyond the range too (the
    // spin box itself says nothing then); the spin box reports the values
    // set, which it writes into the line edit silently.
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::TextChanged);
    connect(this, &QSpinBox::valueChanged, this, &SpinEdit::TextChanged);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { typing_ = true; });
}

int SpinEdit::Value() const
{
    const QString text = cleanText().trimmed();
    if (text.isEmpty()) return minimum();
    bool ok = false;
    const int typed = locale().toInt(text, &ok);
    return ok ? typed : value();
}

void SpinEdit::SetValue(int value)
{
    const int bounded = std::clamp(value, minimum(), maximum());
    if (typing_ && std::clamp(Value(), minimum(), maximum()) == bounded) return;
    QSpinBox::setValue(bounded);
}

void SpinEdit::SetMaxTypedLength(int characters)
{
    lineEdit()->setMaxLength(characters > 0 ? characters : 32767);
}

void SpinEdit::TextChanged()
{
    const int now = Value();
    if (now == reported_) return;
    reported_ = now;
    emit Changed(now);
}

QValidator::State SpinEdit::validate(QString& text, int& pos) const
{
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state != QValidator::Invalid) return state;
    bool ok = false;
    locale().toInt(text.trimmed(), &ok);
    return ok ? QValidator::Intermediate : QValidator::Invalid;
}

void SpinEdit::fixup(QString& input) const
{
    bool ok = false;
    const int typed = locale().toInt(input.trimmed(), &ok);
    if (ok) {
        input = textFromValue(std::clamp(typed, minimum(), maximum()));
        return;
    }
    QSpinBox::fixup(input);
}

void SpinEdit::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QSpinBox::keyPressEvent(event);
        return;
    }
    // Enter ends the typing and brings a typed number into the range (a
    // change when it was beyond it).
    typing_ = false;
    QSpinBox::keyPressEvent(event);
    emit EnterPressed();
}

void SpinEdit::focusOutEvent(QFocusEvent* event)
{
    typing_ = false;  // before the number is brought into the range
    QSpinBox::focusOutEvent(event);
}

}  // namespace glimmora
