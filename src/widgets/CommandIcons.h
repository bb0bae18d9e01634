#pragma once
// Pictures for the main window's toolbar buttons, which show no captions:
// the desktop style's own where it has one (files, media controls), drawn
// here for the three Insert commands.

#include <QIcon>
#include <QString>

class QStyle;

namespace glimmora {

// The icon of the command named `command` ("FileNew", "InsertText", ...), or
// a null icon for a command that has none.
QIcon CommandIcon(const QString& command, const QStyle& style);

}  // namespace glimmora
