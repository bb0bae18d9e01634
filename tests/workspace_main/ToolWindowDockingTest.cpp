// The background editor and the object list: dragged by their background out
// of their panels, dropped over either panel to dock again, and lined up by
// Reset WorkSpace.

#include "MainWindowFixture.h"

#include "workspace/TBackgroundForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TTextForm.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>

namespace glimmora::test {
namespace {

class DockingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        Start();
        window->show();
        window->move(100, 50);
        ProcessEventsFor(20);
    }

    QWidget* Panel(const char* name) const { return window->findChild<QWidget*>(name); }

    // A point of the form's background (no control under it) inside what its
    // panel shows of it.
    static QPoint Background(TChildForm& form)
    {
        const QRect seen = form.IsDocked() ? form.visibleRegion().boundingRect() : form.rect();
        for (int y = seen.bottom() - 2; y > seen.top(); y -= 3)
            for (int x = seen.right() - 2; x > seen.left(); x -= 3)
                if (!form.childAt(x, y)) return {x, y};
        ADD_FAILURE() << "no background point on " << form.objectName().toStdString();
        return {};
    }

    static void Send(QWidget& to, QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons)
    {
        const QPointF local = to.mapFromGlobal(QPointF(global));
        QMouseEvent event(type, local, local, QPointF(global), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&to, &event);
    }

    // Presses on the form's background, moves by `steps` and releases at `to`.
    static void Drag(TChildForm& form, const QPoint& to)
    {
        const QPoint from = form.mapToGlobal(Background(form));
        Send(form, QEvent::MouseButtonPress, from, Qt::LeftButton);
        Send(form, QEvent::MouseMove, from + QPoint(1, 1), Qt::LeftButton);  // under the drag distance
        Send(form, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        Send(form, QEvent::MouseMove, to, Qt::LeftButton);
        Send(form, QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    QPoint PreviewCentre() const
    {
        QWidget* preview = window->PreviewArea();
        return preview->mapToGlobal(preview->rect().center());
    }
    static QPoint Centre(QWidget* panel) { return panel->mapToGlobal(panel->rect().center()); }
};

TEST_F(DockingTest, ABackgroundDragTakesTheEditorOutAndADropOverAPanelDocksIt)
{
    TBackgroundForm& background = *window->BackgroundForm();
    ASSERT_EQ(background.parentWidget(), Panel("PanelRTop"));

    const QPoint drop = PreviewCentre();
    Drag(background, drop);
    EXPECT_FALSE(background.IsDocked());
    EXPECT_TRUE(background.isWindow());
    EXPECT_TRUE(background.isVisible());
    EXPECT_EQ(background.size(), QSize(180, 400));
    EXPECT_TRUE(background.geometry().contains(drop)) << "it follows the mouse";

    // Dragged by its background again, over the lower panel: docked there.
    Drag(background, Centre(Panel("PanelRBottom")));
    EXPECT_TRUE(background.IsDocked());
    EXPECT_EQ(background.parentWidget(), Panel("PanelRBottom"));
    EXPECT_EQ(background.size(), QSize(180, Panel("PanelRBottom")->height())) << "as high as its panel";
    EXPECT_EQ(background.pos(), QPoint(3, 0)) << "where a shown editor puts itself in its panel";
    EXPECT_TRUE(background.isVisible());

    // And from there straight back into the upper panel.
    Drag(background, Centre(Panel("PanelRTop")));
    EXPECT_EQ(background.parentWidget(), Panel("PanelRTop"));
}

TEST_F(DockingTest, TheObjectListMovesIntoTheUpperPanelAndStillWorks)
{
    window->Action("InsertText")->trigger();
    TObjListForm& list = *window->ObjListForm();
    ASSERT_EQ(list.parentWidget(), Panel("PanelRBottom"));
    Drag(list, Centre(Panel("PanelRTop")));
    EXPECT_EQ(list.parentWidget(), Panel("PanelRTop"));
    EXPECT_EQ(ObjectListTexts().size(), 1u);
    window->Action("InsertText")->trigger();
    EXPECT_EQ(ObjectListTexts().size(), 2u);
}

TEST_F(DockingTest, SmallMovesAndPressesOnControlsDragNothing)
{
    TBackgroundForm& background = *window->BackgroundForm();
    const QPoint from = background.mapToGlobal(Background(background));
    Send(background, QEvent::MouseButtonPress, from, Qt::LeftButton);
    Send(background, QEvent::MouseMove, from + QPoint(1, 0), Qt::LeftButton);
    Send(background, QEvent::MouseButtonRelease, from + QPoint(1, 0), Qt::NoButton);
    EXPECT_EQ(background.parentWidget(), Panel("PanelRTop"));

    // The object editors are not dockable: a drag on the text editor moves nothing.
    window->Action("InsertText")->trigger();
    TTextForm& text = *window->TextForm();
    ASSERT_TRUE(text.isVisible());
    const QPoint before = text.pos();
    Drag(text, PreviewCentre());
    EXPECT_TRUE(text.IsDocked());
    EXPECT_EQ(text.pos(), before);
}

TEST_F(DockingTest, ResetWorkSpaceLinesFreeWindowsUpDownTheRightEdge)
{
    TBackgroundForm& background = *window->BackgroundForm();
    TObjListForm& list = *window->ObjListForm();
    Drag(background, PreviewCentre());
    Drag(list, PreviewCentre() + QPoint(-40, 30));
    ASSERT_FALSE(background.IsDocked());
    ASSERT_FALSE(list.IsDocked());
    background.hide();

    window->Action("WindowWorkSpace")->trigger();
    const QRect outer = window->frameGeometry();
    const int top = outer.top() + (outer.height() - window->height()) + window->menuBar()->height() +
                    window->findChild<QToolBar*>()->height();
    const int right = outer.left() + window->width();
    EXPECT_EQ(background.frameGeometry().topLeft(), QPoint(right - background.width(), top));
    EXPECT_EQ(list.frameGeometry().topLeft(), QPoint(right - list.width(), top + background.height()));
    EXPECT_TRUE(background.isVisible()) << "shown again";
    EXPECT_TRUE(list.isVisible());
}

}  // namespace
}  // namespace glimmora::test
