#pragma once
// The timeline panel under the preview: the objects of the open project in
// the object list's order, each as a bar over its frames. A click selects
// the object (as choosing it in the object list does); dragging a bar or one
// of its ends writes StartTime/EndTime and rebuilds the movie once, when the
// button is let go. It docks in its panel under the preview or floats, as
// the other tool windows do, and hides with them.

#include "workspace/TChildForm.h"

#include <QPointer>

#include <functional>
#include <string>

namespace glimmora {

class IXMLMovie;
class TimelineView;
class TObjListForm;

class TTimelineForm : public TChildForm {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void(int frame)> gotoFrame;  // a click on the frame numbers
        std::function<void()> timesChanged;         // after a drag has been written
    };

    TTimelineForm(QWidget* owner, QWidget* panel);

    void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }
    // The project whose objects are shown; nullptr: none.
    void SetObjectList(TObjListForm* list);

    // Reads the rows again from the object list and its document.
    void Refresh(int frameCount);
    void SetPlayFrame(int frame);

    TimelineView& View() const { return *view_; }
    // Its height while docked (its panel's layout keeps it); free, the user sizes it.
    void SetDockedHeight(int height);
    QSize sizeHint() const override;

signals:
    // Shown, hidden, docked or taken out of its panel.
    void placementChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SelectRow(int row);
    void WriteTimes(int row, int start, int end);
    void QueueRefresh();  // once, after the list has settled

    TimelineView* view_ = nullptr;
    QPointer<TObjListForm> list_;
    bool refreshQueued_ = false;
    int dockedHeight_ = 120;
    Hooks hooks_;
};

}  // namespace glimmora
