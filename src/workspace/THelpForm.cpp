#include "workspace/THelpForm.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <stdexcept>

namespace glimmora {

THelpForm::THelpForm(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName("HelpForm");
    setWindowTitle("Glimmora Help");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(true);  // pages on the web go to the desktop's browser
    layout->addWidget(browser_);
    resize(720, 640);
}

void THelpForm::ShowPage(const std::filesystem::path& page)
{
    QFile file(QString::fromStdString(page.string()));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open the help file " + page.string() + ": " + file.errorString().toStdString());
    file.close();
    browser_->setSource(QUrl::fromLocalFile(file.fileName()));
}

}  // namespace glimmora
