#include "widgets/CommandIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <functional>

namespace glimmora {

namespace {

constexpr int kSize = 32;  // drawn at twice the usual toolbar size; Qt scales down

QIcon Drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

// A serif "T" on a sheet: a text object.
QIcon TextIcon()
{
    return Drawn([](QPainter& p) {
        QFont font("DejaVu Serif");
        font.setPixelSize(26);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(40, 60, 140));
        p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, "T");
    });
}

// A framed landscape with a sun: a picture object.
QIcon PictureIcon()
{
    return Drawn([](QPainter& p) {
        const QRectF frame(3, 6, 26, 20);
        p.setPen(QPen(QColor(70, 70, 70), 2));
        p.setBrush(QColor(200, 225, 250));
        p.drawRect(frame);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 190, 40));
        p.drawEllipse(QPointF(22, 12), 3, 3);
        QPainterPath hills;
        hills.moveTo(4, 25);
        hills.lineTo(12, 14);
        hills.lineTo(18, 21);
        hills.lineTo(22, 17);
        hills.lineTo(28, 25);
        hills.closeSubpath();
        p.setBrush(QColor(60, 140, 70));
        p.drawPath(hills);
    });
}

// Two joined quavers: a sound object.
QIcon SoundIcon()
{
    return Drawn([](QPainter& p) {
        const QColor ink(90, 40, 120);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(9, 24), 4.5, 3.5);
        p.drawEllipse(QPointF(23, 21), 4.5, 3.5);
        p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(13, 24), QPointF(13, 7));
        p.drawLine(QPointF(27, 21), QPointF(27, 4));
        p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(13, 8), QPointF(27, 5));
    });
}

// A sheet with a folded corner and lines of writing, its top left at `at`.
void Sheet(QPainter& p, QPointF at)
{
    QPainterPath sheet;
    sheet.moveTo(at);
    sheet.lineTo(at + QPointF(12, 0));
    sheet.lineTo(at + QPointF(17, 5));
    sheet.lineTo(at + QPointF(17, 20));
    sheet.lineTo(at + QPointF(0, 20));
    sheet.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1.6));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setPen(QPen(QColor(120, 140, 180), 1.4));
    for (int line = 0; line < 3; ++line)
        p.drawLine(at + QPointF(3, 8 + 4 * line), at + QPointF(14, 8 + 4 * line));
}

// Two sheets, one over the other: Copy.
QIcon CopyIcon()
{
    return Drawn([](QPainter& p) {
        Sheet(p, {3, 3});
        Sheet(p, {12, 9});
    });
}

// A sheet on a clipboard: Paste.
QIcon PasteIcon()
{
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(90, 60, 30), 1.6));
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(3, 4, 20, 25), 2, 2);
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(8, 2, 10, 5), 1.5, 1.5);
        Sheet(p, {12, 10});
    });
}

// Open scissors: Cut.
QIcon CutIcon()
{
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(110, 110, 120), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 20), QPointF(24, 3));
        p.drawLine(QPointF(21, 20), QPointF(8, 3));
        p.setPen(QPen(QColor(190, 40, 40), 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(9, 24), 4.5, 4.5);
        p.drawEllipse(QPointF(23, 24), 4.5, 4.5);
    });
}

}  // namespace

QIcon CommandIcon(const QString& command, const QStyle& style)
{
    struct StandardIcon {
        const char* command;
        QStyle::StandardPixmap pixmap;
    };
    static const StandardIcon kStandard[] = {
        {"FileNew", QStyle::SP_FileIcon},
        {"FileOpen", QStyle::SP_DialogOpenButton},
        {"FileSave", QStyle::SP_DialogSaveButton},
        {"EditUndo", QStyle::SP_ArrowBack},
        {"EditRedo", QStyle::SP_ArrowForward},
        {"ControlPlay", QStyle::SP_MediaPlay},
        {"ControlPause", QStyle::SP_MediaPause},
        {"ControlStop", QStyle::SP_MediaSkipForward},
        {"ControlBackward", QStyle::SP_MediaSeekBackward},
        {"ControlForward", QStyle::SP_MediaSeekForward},
        {"ControlLoop", QStyle::SP_BrowserReload},
    };
    for (const StandardIcon& standard : kStandard)
        if (command == standard.command) return style.standardIcon(standard.pixmap);
    if (command == "EditCut") return CutIcon();
    if (command == "EditCopy") return CopyIcon();
    if (command == "EditPaste") return PasteIcon();
    if (command == "InsertText") return TextIcon();
    if (command == "InsertPicture") return PictureIcon();
    if (command == "InsertSound") return SoundIcon();
    return {};
}

}  // namespace glimmora
