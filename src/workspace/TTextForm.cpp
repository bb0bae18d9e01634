#include "workspace/TTextForm.h"

#include "effects/text/TextEffectDefaults.h"
#include "effects/text/TextEffects.h"
#include "generation/TVuzozUzev.h"
#include "settings/IniLang.h"
#include "widgets/ColorButton.h"
#include "widgets/FormLabels.h"
#include "widgets/SpinEdit.h"
#include "workspace/MessageBoxReporter.h"
#include "workspace/TTextExForm.h"
#include "workspace/TextFontList.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>

#include <tuple>

namespace glimmora {

TTextForm::TTextForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder, TGlobalVars& globals)
    : TChildForm(owner, panel), builder_(builder), globals_(globals)
{
    setObjectName("TextForm");
    setWindowTitle("Text Properties");
    SetDockedLeft(3);

    exForm_ = new TTextExForm(owner, globals_);
    exForm_->OnValueChanged = [this] { RunGuarded(Reporter(), [this] { StoreAndBuild(); }); };
    exForm_->OnSpeedChanged = [this] { SpeedSliderChange(); };
    BuildControls();
}

TTextForm::~TTextForm()
{
    // The effect window belongs to the owner's children; it goes with the editor.
    delete exForm_.data();
}

void TTextForm::BuildControls()
{
    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    content_ = new QLineEdit(this);
    content_->setObjectName("Content");
    layout->addRow("Text:", content_);
    // Why the movie leaves this text out (too long, not a text effect),
    // beside the field instead of in silence.
    notShown_ = new QLabel(this);
    notShown_->setObjectName("NotShownReason");
    notShown_->setWordWrap(true);
    QPalette warning = notShown_->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    notShown_->setPalette(warning);
    notShown_->hide();
    layout->addRow(notShown_);

    fontName_ = new QComboBox(this);
    fontName_->setObjectName("FontName");
    fontName_->setToolTip("Font Name");
    fontName_->addItems(TextFontList());
    layout->addRow(fontName_);

    fontSize_ = new QComboBox(this);
    fontSize_->setObjectName("FontSize");
    fontSize_->setToolTip("Font Size");
    for (const std::string& size : TextEditorFontSizes()) fontSize_->addItem(QString::fromStdString(size));
    fontColor_ = new ColorButton(this, 0);
    fontColor_->setObjectName("FontColor");
    fontColor_->setToolTip("Font Color");
    layout->addRow(fontSize_, fontColor_);

    positionX_ = new SpinEdit(this, -10000, 10000, 0);
    positionX_->setObjectName("PositionX");
    positionX_->setToolTip("Text Position X");
    positionX_->SetMaxTypedLength(4);
    positionY_ = new SpinEdit(this, -10000, 10000, 0);
    positionY_->setObjectName("PositionY");
    positionY_->setToolTip("Text Position Y");
    positionY_->SetMaxTypedLength(4);
    // The position's two fields side by side, each with its label.
    auto* position = new QHBoxLayout;
    for (auto [field, name, text] : {std::tuple{positionX_, "LabelX", "&X:"}, std::tuple{positionY_, "LabelY", "&Y:"}}) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setBuddy(field);
        position->addWidget(label);
        position->addWidget(field, 1);
    }
    layout->addRow(position);

    editBegin_ = new SpinEdit(this, 1, 10000, 1);
    editBegin_->setObjectName("EditBegin");
    layout->addRow("&Start:", editBegin_);
    editEnd_ = new SpinEdit(this, 1, 10000, 1);
    editEnd_->setObjectName("EditEnd");
    layout->addRow("&End:", editEnd_);

    effectName_ = new QComboBox(this);
    effectName_->setObjectName("EffectName");
    effectName_->setToolTip("Text Effect Name");
    // The whole list from the start, so that an object shown before the
    // window's first showing keeps its effect.
    for (const std::string& name : TextEditorEffectNames()) effectName_->addItem(QString::fromStdString(name));
    layout->addRow(effectName_);

    image1_ = new QToolButton(this);
    image1_->setObjectName("Image1");
    image1_->setToolTip("Effect Properties");
    image1_->setText("...");
    image1_->setCursor(Qt::PointingHandCursor);
    layout->addRow(image1_);
    NameFormLabels(layout);

    // The lists' entries are stored in the document as they read.
    for (QComboBox* list : {fontName_, fontSize_, effectName_}) KeepItemsUntranslated(list);
    fontNames_.Bind(fontName_);
    fontNames_.AcceptStandIns("Not installed here: another font stands in for it");
    fontSizes_.Bind(fontSize_);
    effectNames_.Bind(effectName_);

    connect(content_, &QLineEdit::textChanged, this, [this] {
        ShowNotShownReason();
        FieldChange();
    });
    connect(effectName_, &QComboBox::currentIndexChanged, this, [this] { ShowNotShownReason(); });
    for (SpinEdit* field : {positionX_, positionY_, editBegin_})
        connect(field, &SpinEdit::Changed, this, [this] { FieldChange(); });
    connect(editEnd_, &SpinEdit::Changed, this, [this] { EditEndChange(); });
    // An end typed before the start is snapped once the field is left.
    connect(editEnd_, &QAbstractSpinBox::editingFinished, this, [this] {
        if (EditEnd() < EditBegin()) EditEndChange();
    });
    connect(fontName_, &QComboBox::currentIndexChanged, this, [this] { FontChange(); });
    connect(fontSize_, &QComboBox::currentIndexChanged, this, [this] { FontChange(); });
    connect(fontColor_, &ColorButton::Changed, this, [this] { FontChange(); });
    connect(effectName_, &QComboBox::currentIndexChanged, this, [this] { EffectNameChange(); });
    connect(image1_, &QToolButton::clicked, this, &TTextForm::Image1Click);

    // Enter stores and builds at once, loading or not.
    const auto enter = [this] { RunGuarded(Reporter(), [this] { StoreAndBuild(); }); };
    connect(content_, &QLineEdit::returnPressed, this, enter);
    for (SpinEdit* field : {positionX_, positionY_, editBegin_, editEnd_})
        connect(field, &SpinEdit::EnterPressed, this, enter);
}

IErrorReporter& TTextForm::Reporter() const
{
    return reporter_ ? *reporter_ : DefaultEditorReporter();
}

void TTextForm::ShowNotShownReason()
{
    const std::u32string content = content_->text().toStdU32String();
    const auto reason = TextNotShownReason(content, effectName_->currentText().toStdString());
    notShown_->setText(reason ? QString::fromStdString(*reason) : QString());
    notShown_->setVisible(reason.has_value());
}

void TTextForm::StoreAndBuild()
{
    if (!builder_) return;
    builder_->TextAdapter->StoreFromEditor();
    builder_->BuildMovieShowing(*builder_->TextAdapter);
}

void TTextForm::FieldChange()
{
    if (Loading()) return;
    RunGuarded(Reporter(), [this] {
        SetEditEnd(EditBegin() + exForm_->ExSpeed());
        StoreAndBuild();
    });
}

void TTextForm::EditEndChange()
{
    if (Loading()) return;
    RunGuarded(Reporter(), [this] {
        if (EditEnd() < EditBegin()) {
            // "1" on the way to "120": the number is not complete yet.
            if (editEnd_->Typing()) return;
            SetEditEnd(EditBegin());
        }
        exForm_->SetExSpeed(EditEnd() - EditBegin());
        StoreAndBuild();
    });
}

void TTextForm::FontChange()
{
    if (Loading()) return;
    RunGuarded(Reporter(), [this] { StoreAndBuild(); });
}

void TTextForm::EffectNameChange()
{
    if (Loading()) return;
    RunGuarded(Reporter(), [this] {
        exForm_->Reset();  // a fresh effect window: hidden, every value 0
        if (!builder_) return;
        builder_->TextAdapter->StoreFromEditor();
        exForm_->SetExScale(0);
        exForm_->SetExRotate(0);
        exForm_->SetExShock(0);
        exForm_->SetExColor(0);
        exForm_->SetExAlpha(0);
        exForm_->SetExSpeed(DefaultTextEffectSpeed(builder_->TextAdapter->EffectName, exForm_->ExSpeed()));
        SetEditEnd(EditBegin() + exForm_->ExSpeed());
        StoreAndBuild();
    });
}

void TTextForm::SpeedSliderChange()
{
    // Slider6 has already copied its position into ExSpeed (and is silenced
    // while loading).
    RunGuarded(Reporter(), [this] {
        SetEditEnd(EditBegin() + exForm_->ExSpeed());
        StoreAndBuild();
    });
}

void TTextForm::Image1Click()
{
    QPoint origin = mapToGlobal(QPoint(0, 0));
    if (Panel()) origin = Panel()->mapToGlobal(QPoint(0, 0));
    exForm_->move(origin.x() + 5, origin.y() + image1_->y() + 48);
    exForm_->show();
    exForm_->raise();
}

void TTextForm::FocusContent()
{
    content_->setFocus(Qt::OtherFocusReason);
    content_->selectAll();
}

std::string TTextForm::Content() const { return content_->text().toStdString(); }
void TTextForm::SetContent(const std::string& text) { content_->setText(QString::fromStdString(text)); }
int TTextForm::EditBegin() const { return editBegin_->Value(); }
void TTextForm::SetEditBegin(int frame) { editBegin_->SetValue(frame); }
int TTextForm::EditEnd() const { return editEnd_->Value(); }
void TTextForm::SetEditEnd(int frame) { editEnd_->SetValue(frame); }
int TTextForm::PositionX() const { return positionX_->Value(); }
void TTextForm::SetPositionX(int pixels) { positionX_->SetValue(pixels); }
int TTextForm::PositionY() const { return positionY_->Value(); }
void TTextForm::SetPositionY(int pixels) { positionY_->SetValue(pixels); }
int TTextForm::FontColor() const { return fontColor_->Color(); }
void TTextForm::SetFontColor(int color) { fontColor_->SetColor(color); }

}  // namespace glimmora
