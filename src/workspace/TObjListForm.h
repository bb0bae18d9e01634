#pragma once
// The object list "Movie Library": the objects of the open project by name,
// ordered by Layer. It owns the open document; the builder and its adapters
// reach the document through this window's root holder.

#include "document/XmlBinding.h"
#include "document/XmlDocument.h"
#include "generation/IObjectListHook.h"
#include "workspace/TChildForm.h"

#include <QList>

#include <functional>
#include <string>

class QAction;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace glimmora {

class TVuzozUzev;

class TObjListForm : public TChildForm, public IObjectListHook {
    Q_OBJECT
public:
    // What the list asks of the main window.
    struct Hooks {
        std::function<void(const std::string& kind)> showEditor;   // "Text", "Pic", "Sound"
        std::function<void(const std::string& kind)> closeEditor;
        std::function<void(const std::string& kind)> checkInsert;  // kind whose Insert command is checked
        std::function<void(const std::string& kind)> insert;       // popup's Insert commands
        std::function<void(int frame)> gotoFrame;                  // double-click
    };

    TObjListForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder);
    ~TObjListForm() override;

    void SetBuilder(TVuzozUzev* builder) { builder_ = builder; }
    void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    TXMLDocument& XMLDoc() { return xmlDoc_; }
    IXMLMovie& Movie() { return movie_; }
    QTreeWidget& ObjTree() const { return *tree_; }

    void RefreshObjList();
    void DisplayObj();
    void DeleteObj();
    void MoveNode(bool up);
    void DoubleClickSelected();
    // Moves the selected entry before `target` and gives it the new Layer.
    void DropOnto(QTreeWidgetItem* target);
    // Renames the object of `oldName`; refused (false, old name kept, the
    // reason shown) when the new name cannot name a file (MediaNameProblem)
    // or another object's. Its picture or sound follows the name at Save.
    bool RenameObj(const std::string& oldName, const std::string& newName);
    // The object of the selected entry, if any.
    std::optional<IXMLObj> SelectedObject() const;
    // Adds the main window's commands on the selected object (Cut, Copy, ...)
    // to the list's popup menu.
    void AddPopupActions(const QList<QAction*>& actions);
    // Selects the entry of that object (its editor shows it); none: no change.
    void SelectByName(const std::string& name);

    // IObjectListHook
    void AppendNode(const std::string& name) override;
    void SelectLastNode() override;
    std::optional<std::string> SelectedName() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int FindSelected() const;  // document position of the selected entry's object, or -1
    int FindByName(const std::string& name) const;
    int CountNamed(const std::string& name) const;
    static QTreeWidgetItem* NewEntry(const std::string& name);
    void SetSelectedLayerToRow();
    void ItemEdited(QTreeWidgetItem* item);

    TVuzozUzev* builder_;
    Hooks hooks_;
    TXMLDocument xmlDoc_;
    IXMLMovie movie_;
    QTreeWidget* tree_ = nullptr;
    QMenu* popup_ = nullptr;
    QTreeWidgetItem* added_ = nullptr;  // the entry of the object added last, until the next refill
    std::string editedFrom_;  // the entry's text when an in-place edit began
    bool filling_ = false;
};

}  // namespace glimmora
