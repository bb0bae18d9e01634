#pragma once
// The help window: the program's help page in a text browser of its own, so
// that the help reads the same on every desktop, with or without a web
// browser that starts. Links to other pages open in the desktop's browser.

#include <QWidget>

#include <filesystem>

class QTextBrowser;

namespace glimmora {

class THelpForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* owner);

    // Shows `page`; throws std::runtime_error naming the file when it
    // cannot be read.
    void ShowPage(const std::filesystem::path& page);
    QTextBrowser& Browser() const { return *browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace glimmora
