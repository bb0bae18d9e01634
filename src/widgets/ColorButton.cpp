#include "widgets/ColorButton.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QWidgetAction>

#include <vector>

namespace glimmora {

QColor ColorOfValue(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

int ValueOfColor(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

const std::vector<int>& ColorButton::PaletteColors()
{
    // Black, greys, white, then the basic hues dark and light.
    static const std::vector<int> colors = {
        0x000000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000080, 0x0000FF, 0x008000, 0x00FF00,
        0x008080, 0x00FFFF, 0x800000, 0xFF0000, 0x800080, 0xFF00FF, 0x808000, 0xFFFF00,
    };
    return colors;
}

ColorButton::ColorButton(QWidget* parent, int color) : QToolButton(parent), color_(color & 0xFFFFFF)
{
    setAutoRaise(true);  // flat
    setPopupMode(QToolButton::MenuButtonPopup);
    setStyleSheet("QToolButton::menu-button { width: 10px; }");
    BuildPalette();
    connect(this, &QToolButton::clicked, this, &ColorButton::OpenPalette);
    Repaint();
}

void ColorButton::BuildPalette()
{
    palette_ = new QMenu(this);
    auto* grid = new QWidget(palette_);
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(8);
    layout->setContentsMargins(8, 8, 8, 8);
    const auto& colors = PaletteColors();
    for (int i = 0; i < int(colors.size()); ++i) {
        auto* swatch = new QToolButton(grid);
        swatch->setAutoRaise(true);
        QPixmap pixmap(14, 14);
        pixmap.fill(ColorOfValue(colors[i]));
        swatch->setIcon(QIcon(pixmap));
        const int value = colors[i];
        connect(swatch, &QToolButton::clicked, this, [this, value] {
            palette_->hide();
            SetColor(value);
        });
        layout->addWidget(swatch, i / 4, i % 4);
    }
    auto* action = new QWidgetAction(palette_);
    action->setDefaultWidget(grid);
    palette_->addAction(action);
    palette_->addSeparator();
    QAction* more = palette_->addAction(tr("More Color..."), this, &ColorButton::ChooseMoreColor);
    more->setObjectName("MoreColor");  // language files reach it by this name
    setMenu(palette_);
}

void ColorButton::OpenPalette()
{
    palette_->popup(mapToGlobal(QPoint(0, height())));
}

void ColorButton::ChooseMoreColor()
{
    const QColor chosen = QColorDialog::getColor(ColorOfValue(color_), this);
    if (chosen.isValid()) SetColor(ValueOfColor(chosen));
}

void ColorButton::SetColor(int color)
{
    color &= 0xFFFFFF;
    if (color == color_) return;
    color_ = color;
    Repaint();
    emit Changed();
}

void ColorButton::Repaint()
{
    // The chosen colour inside a dark frame, so that white shows on white.
    QPixmap pixmap(28, 14);
    pixmap.fill(ColorOfValue(color_));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    painter.end();
    setIconSize(pixmap.size());
    setIcon(QIcon(pixmap));
}

}  // namespace glimmora
