#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

namespace glimmora {

// Every message box of the editor goes through here, so that tests can
// replace the sink and answer the questions without a blocking dialog.
class MessageBoxes {
public:
    enum class Kind { Information, Warning, Error, Question };

    struct Request {
        Kind kind;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QString details = {};  // a second paragraph: which object, and why
    };

    using Sink = std::function<QMessageBox::StandardButton(QWidget* parent, const Request&)>;

    static QMessageBox::StandardButton Show(QWidget* parent, const Request& request);
    static void Information(QWidget* parent, const QString& text, const QString& title = {});
    static void Warning(QWidget* parent, const QString& text, const QString& title = {});
    static void Error(QWidget* parent, const QString& text, const QString& title = {});
    static QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           const QString& title = {});

    // Replaces the sink (tests); an empty sink restores the real dialogs.
    static void SetSink(Sink sink);
};

}  // namespace glimmora
