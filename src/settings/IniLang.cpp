#include "settings/IniLang.h"

#include "settings/SourceStrings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

namespace glimmora {

namespace {

// The tab widget that shows `page` as one of its tabs, if any.
QTabWidget* TabOf(const QObject* page)
{
    const auto* widget = qobject_cast<const QWidget*>(page);
    if (!widget || !qobject_cast<QStackedWidget*>(widget->parent())) return nullptr;
    auto* tabs = qobject_cast<QTabWidget*>(widget->parent()->parent());
    return tabs && tabs->indexOf(const_cast<QWidget*>(widget)) >= 0 ? tabs : nullptr;
}

constexpr char kDialogTitle[] = "dialogTitle";
constexpr char kDialogFilter[] = "dialogFilter";

bool HasProperty(const QObject* component, const char* name)
{
    return component->metaObject()->indexOfProperty(name) >= 0;
}

void SetFilter(QObject* component, const QString& filter)
{
    // A filter whose patterns differ would show or hide the wrong files.
    if (FilterPatterns(filter) != FilterPatterns(FilterOf(component))) return;
    component->setProperty(kDialogFilter, filter);
}

void SetCaption(QObject* component, const QString& text)
{
    if (HasProperty(component, kDialogTitle)) component->setProperty(kDialogTitle, text);
    else if (auto* action = qobject_cast<QAction*>(component)) action->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(component)) button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(component)) label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(component)) group->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(component)) menu->setTitle(text);
    else if (QTabWidget* tabs = TabOf(component)) tabs->setTabText(tabs->indexOf(static_cast<QWidget*>(component)), text);
}

void SetHint(QObject* component, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(component)) action->setToolTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(component)) widget->setToolTip(text);
}

void SetLines(QObject* component, const QStringList& lines)
{
    const QString text = lines.join('\n');
    if (auto* plain = qobject_cast<QPlainTextEdit*>(component)) plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(component)) rich->setPlainText(text);
}

void SetItem(QObject* component, int index, const QString& text)
{
    if (auto* list = qobject_cast<QListWidget*>(component)) list->item(index)->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(component)) combo->setItemText(index, text);
}

bool IsQtInternal(const QString& name) { return name.startsWith("qt_"); }

constexpr char kKeepItems[] = "glimmoraKeepItems";

void CollectComponents(QObject* parent, QList<QObject*>& components)
{
    for (QObject* child : parent->children()) {
        if (IsWindowOfItsOwn(child)) continue;
        if (!child->objectName().isEmpty() && !IsQtInternal(child->objectName())) components.append(child);
        // A tab bar's scroll buttons are Qt's own, names and all.
        if (!qobject_cast<QTabBar*>(child)) CollectComponents(child, components);
    }
}

// A value on one line of the file.
QString OneLine(QString text)
{
    return text.replace("\r\n", " ").replace('\n', ' ').replace('\r', ' ');
}

bool IsOurWindow(const QWidget* widget)
{
    return !widget->objectName().isEmpty() && !IsQtInternal(widget->objectName()) &&
           QString(widget->metaObject()->className()).startsWith("glimmora::");
}

void CollectDockedWindows(QObject* parent, QList<QWidget*>& windows)
{
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow()) continue;
        if (IsWindowOfItsOwn(widget) && IsOurWindow(widget) && !windows.contains(widget)) windows.append(widget);
        CollectDockedWindows(widget, windows);
    }
}

}  // namespace

bool IsWindowOfItsOwn(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget || qobject_cast<const QMenu*>(widget)) return false;
    return widget->isWindow() || widget->inherits("glimmora::TChildForm");
}

QList<QObject*> WindowComponents(QWidget* window)
{
    QList<QObject*> components;
    if (window) CollectComponents(window, components);
    return components;
}

bool HasCaption(const QObject* component)
{
    return HasProperty(component, kDialogTitle) || qobject_cast<const QAction*>(component) || qobject_cast<const QAbstractButton*>(component) ||
           qobject_cast<const QLabel*>(component) || qobject_cast<const QGroupBox*>(component) ||
           qobject_cast<const QMenu*>(component) || TabOf(component);
}

QString CaptionOf(const QObject* component)
{
    if (HasProperty(component, kDialogTitle)) return component->property(kDialogTitle).toString();
    if (auto* action = qobject_cast<const QAction*>(component)) return action->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(component)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(component)) return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(component)) return group->title();
    if (auto* menu = qobject_cast<const QMenu*>(component)) return menu->title();
    if (QTabWidget* tabs = TabOf(component))
        return tabs->tabText(tabs->indexOf(static_cast<QWidget*>(const_cast<QObject*>(component))));
    return {};
}

bool HasHint(const QObject* component)
{
    return qobject_cast<const QAction*>(component) || qobject_cast<const QWidget*>(component);
}

QString HintOf(const QObject* component)
{
    if (auto* action = qobject_cast<const QAction*>(component)) return action->toolTip();
    if (auto* widget = qobject_cast<const QWidget*>(component)) return widget->toolTip();
    return {};
}

bool HasLines(const QObject* component)
{
    return qobject_cast<const QPlainTextEdit*>(component) || qobject_cast<const QTextEdit*>(component);
}

QStringList LinesOf(const QObject* component)
{
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(component)) return plain->toPlainText().split('\n');
    if (auto* rich = qobject_cast<const QTextEdit*>(component)) return rich->toPlainText().split('\n');
    return {};
}

bool HasItems(const QObject* component)
{
    if (component->property(kKeepItems).toBool()) return false;
    return qobject_cast<const QListWidget*>(component) || qobject_cast<const QComboBox*>(component);
}

void KeepItemsUntranslated(QObject* list) { list->setProperty(kKeepItems, true); }

QStringList ItemsOf(const QObject* component)
{
    QStringList items;
    if (!HasItems(component)) return items;
    if (auto* list = qobject_cast<const QListWidget*>(component)) {
        for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
    } else if (auto* combo = qobject_cast<const QComboBox*>(component)) {
        for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
    }
    return items;
}

bool HasFilter(const QObject* component) { return HasProperty(component, kDialogFilter); }

QString FilterOf(const QObject* component)
{
    return HasFilter(component) ? component->property(kDialogFilter).toString() : QString();
}

QStringList FilterPatterns(const QString& filter)
{
    QStringList patterns;
    for (const QString& entry : filter.split(";;", Qt::SkipEmptyParts)) {
        const qsizetype open = entry.lastIndexOf('(');
        const qsizetype close = entry.lastIndexOf(')');
        patterns.append(open >= 0 && close > open ? entry.mid(open + 1, close - open - 1).simplified()
                                                  : entry.simplified());
    }
    return patterns;
}

std::optional<TLanguageFile> LoadLanguageFile(const std::filesystem::path& folder, const QString& name)
{
    if (name.isEmpty()) return std::nullopt;
    const QString path = QString::fromStdString((folder / name.toStdString()).string());
    // The name comes from the stored settings: only an ordinary file of a
    // language file's size is read (never a folder, a device or a pipe, which
    // could stall the start-up).
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxLanguageFileBytes) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return TLanguageFile::Parse(file.read(kMaxLanguageFileBytes));
}

void ApplyLanguage(QWidget* window, const TLanguageFile& file)
{
    if (!window || window->objectName().isEmpty()) return;
    const QString section = window->objectName();
    const QString caption = file.ReadString(section, section + ".Caption");
    if (!caption.isEmpty()) window->setWindowTitle(caption);

    for (QObject* component : WindowComponents(window)) {
        const QString prefix = section + "." + component->objectName();
        const QString componentCaption = file.ReadString(section, prefix + ".Caption");
        if (!componentCaption.isEmpty() && HasCaption(component)) SetCaption(component, componentCaption);
        const QString hint = file.ReadString(section, prefix + ".Hint");
        if (!hint.isEmpty() && HasHint(component)) SetHint(component, hint);
        const QString filter = file.ReadString(section, prefix + ".Filter");
        if (!filter.isEmpty() && HasFilter(component)) SetFilter(component, filter);

        if (HasLines(component)) {
            QStringList lines = LinesOf(component);
            bool changed = false;
            for (int n = 0; n < lines.size(); ++n) {
                const QString line = file.ReadString(section, prefix + ".lines[" + QString::number(n) + "]", "fsdef");
                if (line == "fsdef") continue;
                lines[n] = line;
                changed = true;
            }
            if (changed) SetLines(component, lines);
        }
        if (HasItems(component)) {
            const QStringList items = ItemsOf(component);
            for (int n = 0; n < items.size(); ++n) {
                const QString item = file.ReadString(section, prefix + ".items[" + QString::number(n) + "]");
                if (!item.isEmpty() && item != items[n]) SetItem(component, n, item);
            }
        }
    }
}

QList<QWidget*> NamedWindows()
{
    QList<QWidget*> windows;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!IsWindowOfItsOwn(top) || !IsOurWindow(top)) continue;
        if (!windows.contains(top)) windows.append(top);
        CollectDockedWindows(top, windows);
    }
    return windows;
}

void WriteLanguageTemplate(const std::filesystem::path& iniFile, const QList<QWidget*>& windows,
                           const std::filesystem::path& sourceFolder)
{
    TIniWriter ini(iniFile);
    for (QWidget* window : windows) {
        const QString section = window->objectName();
        if (section.isEmpty()) continue;
        const QString caption = OneLine(window->windowTitle());
        if (!caption.isEmpty() && caption != section) ini.WriteString(section, section + ".Caption", caption);

        for (QObject* component : WindowComponents(window)) {
            const QString name = component->objectName();
            if (name.startsWith("out")) continue;
            const QString prefix = section + "." + name;
            if (HasCaption(component)) {
                const QString text = OneLine(CaptionOf(component));
                if (!text.isEmpty() && text != name && text != "-") ini.WriteString(section, prefix + ".Caption", text);
            }
            if (HasHint(component)) {
                const QString hint = OneLine(HintOf(component));
                if (!hint.isEmpty()) ini.WriteString(section, prefix + ".Hint", hint);
            }
            if (HasFilter(component)) {
                const QString filter = OneLine(FilterOf(component));
                if (!filter.isEmpty()) ini.WriteString(section, prefix + ".Filter", filter);
            }
            if (HasLines(component)) {
                const QStringList lines = LinesOf(component);
                for (int n = 0; n < lines.size() && lines[n] != name; ++n)
                    ini.WriteString(section, prefix + ".Lines[" + QString::number(n) + "]", lines[n]);
            }
            if (HasItems(component)) {
                const QStringList items = ItemsOf(component);
                for (int n = 0; n < items.size(); ++n)
                    ini.WriteString(section, prefix + ".Items[" + QString::number(n) + "]", OneLine(items[n]));
            }
        }
    }
    ini.Save();

    std::vector<SourceString> strings;
    const auto writeMisc = [&] {
        for (const auto& [name, text] : strings) ini.WriteString("Misc", name, text);
        ini.Save();
    };
    try {
        CollectSourceFolder(sourceFolder, "IniLang", strings);
    } catch (...) {
        writeMisc();
        throw;
    }
    writeMisc();
}

}  // namespace glimmora
