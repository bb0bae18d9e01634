#pragma once
// The progress window of an export: the file's name, a gauge and Cancel.
// The export runs on a thread of its own while the window stays responsive;
// Cancel (or closing the window) asks the export to stop at its next step,
// and the window closes once the export has ended either way.

#include "export/MovieExporter.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

namespace glimmora {

class TExportProgressForm : public QDialog {
    Q_OBJECT
public:
    enum class Outcome { Written, Cancelled, Failed };

    TExportProgressForm(QWidget* owner, const QString& file);
    ~TExportProgressForm() override;

    // Runs `work` on a worker thread, the window shown modally until it ends.
    // On Failed, `error` holds the error's text.
    Outcome Run(const std::function<void(exporting::ExportProgress&)>& work, std::string& error);

    QProgressBar& Gauge() const { return *gauge_; }
    QPushButton& CancelButton() const { return *cancel_; }

protected:
    void reject() override;  // Escape and the close box cancel too

private:
    struct Shared;
    void CancelClick();
    void Poll();

    QLabel* label_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::shared_ptr<Shared> shared_;
};

}  // namespace glimmora
