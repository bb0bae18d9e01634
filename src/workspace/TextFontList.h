#pragma once
// The fonts the text editor offers: remembered per user under
// "Software/Tessaly/Common", value "Fonts" (names one per line, each ended by
// CR LF); built once from the installed TrueType families when missing or empty.

#include <QString>
#include <QStringList>

namespace glimmora {

// The remembered list; when it is missing or empty, the installed TrueType
// families, which are then remembered.
QStringList TextFontList();

// Whether the family's font has TrueType outlines (a "glyf" table).
bool IsTrueTypeFont(const QString& family);

// The remembered text of the value, split into names (empty lines dropped).
QStringList SplitFontList(const QString& stored);
QString JoinFontList(const QStringList& names);

}  // namespace glimmora
