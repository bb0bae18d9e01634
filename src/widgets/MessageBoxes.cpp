#include "widgets/MessageBoxes.h"

#include <QApplication>

namespace glimmora {

namespace {

MessageBoxes::Sink& CurrentSink() {
    static MessageBoxes::Sink sink;
    return sink;
}

QString TitleOr(const QString& title) {
    return title.isEmpty() ? QApplication::applicationName() : title;
}

}  // namespace

QMessageBox::StandardButton MessageBoxes::Show(QWidget* parent, const Request& request) {
    if (CurrentSink()) return CurrentSink()(parent, request);
    if (!request.details.isEmpty()) {
        QMessageBox box(request.kind == Kind::Error         ? QMessageBox::Critical
                        : request.kind == Kind::Warning     ? QMessageBox::Warning
                        : request.kind == Kind::Question    ? QMessageBox::Question
                                                            : QMessageBox::Information,
                        TitleOr(request.title), request.text, request.buttons, parent);
        box.setInformativeText(request.details);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
    switch (request.kind) {
    case Kind::Information:
        return QMessageBox::information(parent, TitleOr(request.title), request.text, request.buttons);
    case Kind::Warning:
        return QMessageBox::warning(parent, TitleOr(request.title), request.text, request.buttons);
    case Kind::Error:
        return QMessageBox::critical(parent, TitleOr(request.title), request.text, request.buttons);
    case Kind::Question:
        return QMessageBox::question(parent, TitleOr(request.title), request.text, request.buttons);
    }
    return QMessageBox::NoButton;
}

void MessageBoxes::Information(QWidget* parent, const QString& text, const QString& title) {
    Show(parent, {Kind::Information, title, text, QMessageBox::Ok});
}

void MessageBoxes::Warning(QWidget* parent, const QString& text, const QString& title) {
    Show(parent, {Kind::Warning, title, text, QMessageBox::Ok});
}

void MessageBoxes::Error(QWidget* parent, const QString& text, const QString& title) {
    Show(parent, {Kind::Error, title, text, QMessageBox::Ok});
}

QMessageBox::StandardButton MessageBoxes::Ask(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              const QString& title) {
    return Show(parent, {Kind::Question, title, text, buttons});
}

void MessageBoxes::SetSink(Sink sink) { CurrentSink() = std::move(sink); }

}  // namespace glimmora
