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
}

int SpinEdit::Value() const
{
    if (cleanText().trimmed().isEmpty()) return minimum();
    return value();
}

void SpinEdit::SetValue(int value)
{
    QSpinBox::setValue(std::clamp(value, minimum(), maximum()));
}

void SpinEdit::SetMaxTypedLength(int characters)
{
    lineEdit()->setMaxLength(characters > 0 ? characters : 32767);
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
    // The base class reports the value as changed on Enter even when it is
    // not; only a real change is a change here.
    bool ok = false;
    const int typed = locale().toInt(cleanText(), &ok);
    {
        const QSignalBlocker silence(ok && typed == value() ? this : nullptr);
        QSpinBox::keyPressEvent(event);
    }
    emit EnterPressed();
}

}  // namespace glimmora
