#pragma once
// Interface language files: INI files in the program folder with one section
// per window (the window's object name); keys are
//   Window.Caption, Window.Component.Caption, Window.Component.Hint,
//   Window.Component.Lines[n], Window.Component.Items[n],
//   Window.Component.Filter.
//
// How the windows' parts map onto these keys:
//   - the window's caption is its window title;
//   - its components are the objects it holds that have an object name
//     (children at any depth in creation order, actions and menus included),
//     up to the windows it holds, which are windows of their own;
//   - "Caption" is the text of an action, button or label, the title of a
//     menu or a group box, the tab text of a tab page;
//   - "Hint" is the tool tip of a widget or an action;
//   - a file dialog of a window (a component with the properties
//     "dialogTitle" and "dialogFilter") has its title as its "Caption" and
//     its "Filter"; a translated filter is taken only when it offers the
//     same file patterns, in the same order, as the one it replaces;
//   - lines are those of a QPlainTextEdit or QTextEdit; items those of a
//     QListWidget or a QComboBox.

#include "settings/IniFile.h"

#include <QList>
#include <QObject>
#include <QString>

#include <filesystem>
#include <optional>

class QWidget;

namespace glimmora {

using TLanguageFile = TIniText;

// Language files beyond this size are not read: the shipped ones hold a few
// KB of text.
inline constexpr qint64 kMaxLanguageFileBytes = qint64(4) << 20;

// The file `name` of `folder`, or nothing when there is no such ordinary file
// or it is larger than kMaxLanguageFileBytes.
std::optional<TLanguageFile> LoadLanguageFile(const std::filesystem::path& folder, const QString& name);

void ApplyLanguage(QWidget* window, const TLanguageFile& file);

// The windows' texts as a template for a new translation, written into
// `iniFile` key by key (other keys stay), then the "Misc" section from the
// C++ sources found directly in `sourceFolder`. Throws std::runtime_error
// when a source cannot be read (the keys written so far stay in the file).
void WriteLanguageTemplate(const std::filesystem::path& iniFile, const QList<QWidget*>& windows,
                           const std::filesystem::path& sourceFolder);

// Every window of the application with a name: the top-level windows and the
// windows docked into them.
QList<QWidget*> NamedWindows();

// The parts of the component model, for the template and the checks of
// language files.
bool IsWindowOfItsOwn(const QObject* object);
QList<QObject*> WindowComponents(QWidget* window);
bool HasCaption(const QObject* component);
QString CaptionOf(const QObject* component);
bool HasHint(const QObject* component);
QString HintOf(const QObject* component);
QStringList LinesOf(const QObject* component);  // empty when it has no lines
bool HasLines(const QObject* component);
bool HasItems(const QObject* component);
QStringList ItemsOf(const QObject* component);
bool HasFilter(const QObject* component);
QString FilterOf(const QObject* component);
// The file patterns of a filter, entry by entry ("*.gmr", "*.swf *.gmr").
QStringList FilterPatterns(const QString& filter);

// A list whose entries are values of the document (font names, effect names)
// rather than texts: language files neither replace nor list its entries.
void KeepItemsUntranslated(QObject* list);

}  // namespace glimmora
