#pragma once
// The new-movie guide "New Flash": the user picks the template a new movie
// starts from; the choice is kept in TGlobalVars::TemplateIndex.
//
// Construction: TGuideForm(QWidget* owner, TGlobalVars& globals); the main
// window creates it at the first New and keeps it, shows it with exec() and,
// on QDialog::Accepted, opens TemplateFile(globals.TemplateIndex).

#include "objects/TGlobalVars.h"

#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;
class QTabWidget;

namespace glimmora {

class TGuideForm : public QDialog {
    Q_OBJECT
public:
    TGuideForm(QWidget* owner, TGlobalVars& globals);

    // The template document of a guide result, relative to the program folder.
    static QString TemplateFile(int templateIndex);

    QListWidget& ListView1() const { return *listViews_[0]; }
    QPushButton& OkBtn() const { return *okBtn_; }
    QPushButton& CancelBtn() const { return *cancelBtn_; }

    void OkBtnClick();
    void ListView1DblClick();

private:
    void ListView1Change();
    void ReturnGuideResult();
    bool HasSelection() const;

    TGlobalVars& globals_;
    QTabWidget* pageControl_ = nullptr;
    QListWidget* listViews_[5] = {};
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
};

}  // namespace glimmora
