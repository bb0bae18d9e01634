#include "tools/TExportProgressForm.h"

#include "export/ExportError.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <mutex>
#include <thread>

namespace glimmora {

// What the worker and the window share.
struct TExportProgressForm::Shared : exporting::ExportProgress {
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::atomic<bool> cancel{false};
    std::atomic<bool> finished{false};
    std::mutex mutex;          // guards the two below
    Outcome outcome = Outcome::Written;
    std::string error;

    bool Step(int stepsDone, int stepsTotal) override
    {
        total = stepsTotal;
        done = stepsDone;
        return !cancel;
    }
};

TExportProgressForm::TExportProgressForm(QWidget* owner, const QString& file)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      shared_(std::make_shared<Shared>())
{
    setObjectName("ExportProgressForm");
    setWindowTitle("Exporting");
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(QString("Exporting %1 ...").arg(file), this);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName("Gauge");
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setMinimumWidth(360);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("Cancel");
    layout->addWidget(label_);
    layout->addWidget(gauge_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    connect(cancel_, &QPushButton::clicked, this, &TExportProgressForm::CancelClick);
}

TExportProgressForm::~TExportProgressForm() = default;

TExportProgressForm::Outcome TExportProgressForm::Run(const std::function<void(exporting::ExportProgress&)>& work,
                                                      std::string& error)
{
    std::shared_ptr<Shared> shared = shared_;
    std::thread worker([shared, work] {
        Outcome outcome = Outcome::Written;
        std::string message;
        try {
            work(*shared);
        } catch (const exporting::ExportCancelled&) {
            outcome = Outcome::Cancelled;
        } catch (const std::exception& e) {
            outcome = Outcome::Failed;
            message = e.what();
        } catch (...) {
            outcome = Outcome::Failed;
            message = "The export failed.";
        }
        {
            std::lock_guard lock(shared->mutex);
            shared->outcome = outcome;
            shared->error = message;
        }
        shared->finished = true;
    });
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, &TExportProgressForm::Poll);
    timer.start(40);
    exec();
    timer.stop();
    worker.join();
    std::lock_guard lock(shared->mutex);
    error = shared->error;
    return shared->outcome;
}

void TExportProgressForm::Poll()
{
    const int total = shared_->total;
    if (total > 0) gauge_->setValue(int(int64_t(shared_->done) * 100 / total));
    if (shared_->finished) accept();
}

void TExportProgressForm::CancelClick()
{
    shared_->cancel = true;
    cancel_->setEnabled(false);
    label_->setText("Cancelling ...");
}

void TExportProgressForm::reject()
{
    CancelClick();  // the window closes when the export has stopped
}

}  // namespace glimmora
