#include "workspace/TPicForm.h"

#include "effects/picture/PicEffectTable.h"
#include "generation/TVuzozUzev.h"
#include "settings/IniLang.h"
#include "widgets/FileDialog.h"
#include "widgets/FormLabels.h"
#include "widgets/SpinEdit.h"
#include "workspace/ChosenFileFolder.h"
#include "workspace/MessageBoxReporter.h"
#include "workspace/TPicSelectForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QTimer>

#include <stdexcept>

namespace glimmora {

const char* TPicForm::PictureFilter()
{
    return "All (*.jpg *.jpeg *.bmp *.png *.gif *.webp);;JPEG Image File (*.jpg *.jpeg);;Bitmaps (*.bmp);;"
           "PNG Image File (*.png);;GIF Image File (*.gif);;WebP Image File (*.webp)";
}

TPicForm::TPicForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder, TGlobalVars& globals)
    : TChildForm(owner, panel), builder_(builder), globals_(globals)
{
    setObjectName("PicForm");
    setWindowTitle("Picture Properties");
    SetDockedLeft(3);

    openPictureDialog_ = new TFileDialog(this, "OpenPictureDialog", TFileDialog::Mode::Open, "Open", PictureFilter());
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(1);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &TPicForm::Timer1Timer);
    BuildControls();
}

TPicForm::~TPicForm()
{
    delete waitForm_.data();
}

void TPicForm::BuildControls()
{
    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    content_ = new QLabel(this);
    content_->setObjectName("Content");
    content_->setFixedSize(88, 49);
    content_->setScaledContents(true);
    content_->setAutoFillBackground(true);
    QPalette white = content_->palette();
    white.setColor(QPalette::Window, Qt::white);
    content_->setPalette(white);
    content_->setCursor(Qt::PointingHandCursor);
    content_->setToolTip("Background Picture");
    content_->installEventFilter(this);
    // Until a picture is chosen the empty box says what a click on it does.
    contentHint_ = new QLabel("Click to choose a picture", content_);
    contentHint_->setObjectName("ContentHint");
    contentHint_->setWordWrap(true);
    contentHint_->setAlignment(Qt::AlignCenter);
    contentHint_->setGeometry(content_->rect().adjusted(2, 2, -2, -2));
    contentHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette grey = contentHint_->palette();
    grey.setColor(QPalette::WindowText, Qt::darkGray);
    contentHint_->setPalette(grey);
    // The same as a click on the box, and reachable from the keyboard.
    chooseBtn_ = new QPushButton("Ch&oose...", this);
    chooseBtn_->setObjectName("ChooseBtn");
    connect(chooseBtn_, &QPushButton::clicked, this, &TPicForm::ContentClick);
    auto* picture = new QVBoxLayout;
    picture->addWidget(content_);
    picture->addWidget(chooseBtn_, 0, Qt::AlignLeft);
    layout->addRow("&Picture:", picture);
    if (auto* label = qobject_cast<QLabel*>(layout->labelForField(picture))) label->setBuddy(chooseBtn_);

    const auto spin = [this, layout](const char* name, const char* label, int minimum, int maximum, int value) {
        auto* field = new SpinEdit(this, minimum, maximum, value);
        field->setObjectName(name);
        layout->addRow(label, field);
        connect(field, &SpinEdit::Changed, this, [this] { EditPositionXChange(); });
        connect(field, &SpinEdit::EnterPressed, this, [this] { EditPositionXKeyDown(); });
        return field;
    };
    positionX_ = spin("EditPositionX", "Pos&X:", -10000, 10000, 0);
    positionY_ = spin("EditPositionY", "Pos&Y:", -10000, 10000, 0);
    width_ = spin("EditWidth", "&Width:", 1, 10000, 1);
    height_ = spin("EditHeight", "&Height:", 1, 10000, 1);

    effectName_ = new QComboBox(this);
    effectName_->setObjectName("EffectName");
    effectName_->setMaxVisibleItems(8);
    // Filled once, at creation, so that an object shown before the window's
    // first showing keeps its effect: "-- None --" and the picture effects
    // without the fades.
    effectName_->addItem("-- None --");
    for (const std::string& name : PicEffectNames()) {
        if (name == "-- None --" || name == "Fade In" || name == "Fade Out") continue;
        effectName_->addItem(QString::fromStdString(name));
    }
    layout->addRow("&Effect:", effectName_);
    KeepItemsUntranslated(effectName_);  // effect names are stored as they read
    effectNames_.Bind(effectName_);
    connect(effectName_, &QComboBox::currentIndexChanged, this, [this] { EffectNameChange(); });

    editBegin_ = spin("EditBegin", "&Start:", 1, 100000, 1);
    editEnd_ = spin("EditEnd", "&End:", 1, 100000, 1);
    NameFormLabels(layout);
}

IErrorReporter& TPicForm::Reporter() const
{
    return reporter_ ? *reporter_ : DefaultEditorReporter();
}

void TPicForm::EditPositionXChange()
{
    if (globals_.LoadingPicEditor) return;
    timer1_->start();  // a burst within the interval restarts it: one store and build
}

void TPicForm::EditPositionXKeyDown()
{
    RunGuarded(Reporter(), [this] {
        if (!builder_) return;
        builder_->PicAdapter->StoreFromEditor();
        builder_->BuildMovieShowing(*builder_->PicAdapter);
    });
}

void TPicForm::Timer1Timer()
{
    timer1_->stop();
    RunGuarded(Reporter(), [this] {
        if (!builder_) return;
        builder_->PicAdapter->StoreFromEditor();
        builder_->BuildMovieShowing(*builder_->PicAdapter);
    });
}

void TPicForm::EffectNameChange()
{
    if (globals_.LoadingPicEditor) return;
    RunGuarded(Reporter(), [this] {
        if (!builder_) return;
        builder_->PicAdapter->StoreFromEditor();
        SetEditEnd(EditBegin() + 24);
        builder_->PicAdapter->StoreFromEditor();
        builder_->BuildMovieShowing(*builder_->PicAdapter);
    });
}

void TPicForm::ContentClick()
{
    const QString file = openPictureDialog_->Run(this, QString::fromStdString(globals_.LastOpenDir));
    if (file.isEmpty()) return;
    ImportFile(file);
}

bool TPicForm::ImportFile(const QString& file)
{
    bool taken = false;
    RunGuarded(Reporter(), [&] {
        if (!builder_) throw std::runtime_error("No movie is open");
        if (!waitForm_) waitForm_ = new TPicSelectForm(nullptr);
        waitForm_->PictureFileName = file;
        waitForm_->show();
        waitForm_->repaint();  // painted before the conversion holds the thread
        taken = waitForm_->ImportPicture(*builder_, *this, Reporter());
        // Only a conversion that ran (taken or refused) moves the folder.
        globals_.LastOpenDir = ChosenFileFolder(file);
    });
    // A picture object that never had a picture is not left behind empty.
    if (!taken && builder_ && builder_->PicAdapter->Content.empty()) emit importFailedOnEmptyObject();
    return taken;
}

void TPicForm::LoadImage(const std::string& file)
{
    QImage image;
    if (!image.load(QString::fromStdString(file)))
        throw std::runtime_error("Can not load the picture \"" + file + "\"");
    content_->setPixmap(QPixmap::fromImage(image));
    contentHint_->hide();
}

void TPicForm::ClearImage()
{
    content_->clear();
    contentHint_->show();
}

bool TPicForm::HasImage() const { return !content_->pixmap().isNull(); }

bool TPicForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == content_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ContentClick();
        return true;
    }
    return TChildForm::eventFilter(watched, event);
}

int TPicForm::EditPositionX() const { return positionX_->Value(); }
void TPicForm::SetEditPositionX(int pixels) { positionX_->SetValue(pixels); }
int TPicForm::EditPositionY() const { return positionY_->Value(); }
void TPicForm::SetEditPositionY(int pixels) { positionY_->SetValue(pixels); }
int TPicForm::EditWidth() const { return width_->Value(); }
void TPicForm::SetEditWidth(int pixels) { width_->SetValue(pixels); }
int TPicForm::EditHeight() const { return height_->Value(); }
void TPicForm::SetEditHeight(int pixels) { height_->SetValue(pixels); }
int TPicForm::EditBegin() const { return editBegin_->Value(); }
void TPicForm::SetEditBegin(int frame) { editBegin_->SetValue(frame); }
int TPicForm::EditEnd() const { return editEnd_->Value(); }
void TPicForm::SetEditEnd(int frame) { editEnd_->SetValue(frame); }

}  // namespace glimmora
