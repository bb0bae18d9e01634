#pragma once
// One file dialog of a window: its title, its filter and whether it opens or
// saves a file. It is a named child of the window, so that language files
// reach its title as Window.Name.Caption and its filter as Window.Name.Filter
// (in Qt's form: "Glimmora file (*.gmr);;Flash file (*.swf)").
//
// A dialog run over a window that stays on top stays on top as well, so that
// it never opens behind the window it belongs to.

#include <QObject>
#include <QString>

class QFileDialog;
class QWidget;

namespace glimmora {

class TFileDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString dialogTitle READ Title WRITE SetTitle)
    Q_PROPERTY(QString dialogFilter READ Filter WRITE SetFilter)
public:
    enum class Mode { Open, Save };

    TFileDialog(QObject* window, const char* name, Mode mode, const QString& title, const QString& filter);

    Mode DialogMode() const { return mode_; }
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    QString Filter() const { return filter_; }
    void SetFilter(const QString& filter) { filter_ = filter; }

    // Runs the dialog over `parent`, starting in `folder`: the chosen file,
    // or empty when the user cancelled.
    QString Run(QWidget* parent, const QString& folder) const;
    // Gives `dialog` this dialog's name, title, filter and mode, and the
    // stay-on-top of `parent`'s window.
    void Prepare(QFileDialog& dialog, QWidget* parent) const;

private:
    Mode mode_;
    QString title_;
    QString filter_;
};

// Whether `widget`'s window stays on top of the others.
bool StaysOnTop(const QWidget* widget);

}  // namespace glimmora
