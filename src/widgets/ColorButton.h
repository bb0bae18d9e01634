#pragma once
// The colour picker button: a flat button showing the chosen colour with a
// drop-down palette of fixed colours and a "More Color..." entry for any
// other colour. Colours are colour values: bits 0-7 red, 8-15 green, 16-23 blue.

#include <QColor>
#include <QToolButton>

#include <vector>

class QMenu;

namespace glimmora {

class ColorButton : public QToolButton {
    Q_OBJECT
public:
    ColorButton(QWidget* parent, int color);

    int Color() const { return color_; }
    // Shows `color` (masked to 24 bits); a different colour emits Changed.
    void SetColor(int color);
    // Opens the palette under the button.
    void OpenPalette();

    // The palette's colours in order (colour values).
    static const std::vector<int>& PaletteColors();

signals:
    void Changed();

private:
    void BuildPalette();
    void ChooseMoreColor();
    void Repaint();

    int color_ = 0;
    QMenu* palette_ = nullptr;
};

// Colour value <-> Qt colour.
QColor ColorOfValue(int color);
int ValueOfColor(const QColor& color);

}  // namespace glimmora
