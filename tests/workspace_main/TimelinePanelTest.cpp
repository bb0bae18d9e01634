// The timeline panel under the preview: its rows are the object list's
// entries with their frames, a click selects like the list, a drag writes
// the frames and rebuilds once, and it hides, floats and docks with the
// other tool windows while the movie keeps its size.
#include "MainWindowFixture.h"

#include "player/widget/TShockwaveFlash.h"
#include "support/ProjectFixtures.h"
#include "widgets/TimelineView.h"
#include "workspace/TObjListForm.h"
#include "workspace/TTextForm.h"
#include "workspace/TTimelineForm.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

namespace glimmora::test {
namespace {

std::string TextAt(const std::string& name, int start, int end, int layer, const std::string& effect = "-- None --")
{
    std::string xml = StaticTextXml(name, "Hey", 20, 30, "255", effect);
    const auto set = [&xml](const std::string& from, const std::string& to) { xml.replace(xml.find(from), from.size(), to); };
    set("<StartTime>0</StartTime>", "<StartTime>" + std::to_string(start) + "</StartTime>");
    set("<EndTime>9</EndTime>", "<EndTime>" + std::to_string(end) + "</EndTime>");
    set("<ExSpeed>9</ExSpeed>", "<ExSpeed>" + std::to_string(end - start) + "</ExSpeed>");
    set("<Layer>2</Layer>", "<Layer>" + std::to_string(layer) + "</Layer>");
    return xml;
}

const std::string kSound =
    "<Obj><ObjName>Sound_1</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>4</Layer>"
    "<ObjTypeName>Sound</ObjTypeName><ObjType><ObjSound><Content></Content></ObjSound></ObjType></Obj>";

class TimelinePanelTest : public MainWindowTest {
protected:
    void Open(const std::string& objects)
    {
        Start(QString::fromStdString(WriteProject("p/timeline.gmr", MovieXml(objects)).string()));
        window->show();
        ProcessEventsFor(20);
        view().SetFrameWidth(6);
    }
    TimelineView& view() { return window->TimelineForm()->View(); }
    QWidget* viewport() { return view().viewport(); }
    int RowOf(const QString& name)
    {
        for (size_t i = 0; i < view().Rows().size(); ++i)
            if (view().Rows()[i].name == name) return int(i);
        return -1;
    }
    QPoint At(int row, double frame) { return QPoint(int(view().FrameX(frame)), view().RowTop(row) + TimelineView::RowHeight / 2); }
    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport(), (from + to) / 2);
        QTest::mouseMove(viewport(), to);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
        ProcessEventsFor(20);
    }
    int Index(const std::string& name)
    {
        const std::vector<std::string> names = {"Text_1", "Text_2", "Text_3", "Sound_1"};
        return int(std::find(names.begin(), names.end(), name) - names.begin());
    }
    int Frame(int index, const char* field)
    {
        return IXMLMovie(window->ObjListForm()->Movie()).Obj().Items(index).Node().child(field).text().as_int(-99);
    }
};

TEST_F(TimelinePanelTest, RowsAreTheListsEntriesWithTheirFramesAndEffectRuns)
{
    Open(TextAt("Text_1", 0, 9, 3) + TextAt("Text_2", 5, 20, 1, "Come In") + TextAt("Text_3", 12, 36, 2, "Fade In") +
         kSound);
    std::vector<std::string> rows;
    for (const TimelineRow& row : view().Rows()) rows.push_back(row.name.toStdString());
    EXPECT_EQ(rows, ObjectListTexts());

    const TimelineRow& comeIn = view().Rows()[size_t(RowOf("Text_2"))];
    EXPECT_EQ(comeIn.start, 5);
    EXPECT_EQ(comeIn.end, 20);
    ASSERT_TRUE(comeIn.run.has_value());
    // Three letters 6.25 frames apart, 25 steps each: the last step at 5 + 12.5 + 24.
    EXPECT_EQ(*comeIn.run, std::make_pair(5, 42));
    EXPECT_TRUE(comeIn.runStays);
    const TimelineRow& fadeIn = view().Rows()[size_t(RowOf("Text_3"))];
    EXPECT_EQ(*fadeIn.run, std::make_pair(12, 36));
    EXPECT_FALSE(fadeIn.runStays);
    const TimelineRow& sound = view().Rows()[size_t(RowOf("Sound_1"))];
    EXPECT_FALSE(sound.movable);
    EXPECT_EQ(sound.start, 0);
    EXPECT_EQ(view().FrameCount(), window->Flash().TotalFrames());
}

TEST_F(TimelinePanelTest, AClickOnARowSelectsTheObjectAsTheListDoes)
{
    Open(TextAt("Text_1", 0, 9, 1) + TextAt("Text_2", 5, 20, 2));
    const int row = RowOf("Text_2");
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, At(row, 2));  // beside the bar
    ProcessEventsFor(20);
    ASSERT_NE(window->ObjListForm()->ObjTree().currentItem(), nullptr);
    EXPECT_EQ(window->ObjListForm()->ObjTree().currentItem()->text(0), "Text_2");
    EXPECT_TRUE(window->TextForm()->isVisible());
    EXPECT_EQ(view().SelectedRow(), row);

    // And choosing in the list selects the row.
    SelectEntry("Text_1");
    EXPECT_EQ(view().SelectedRow(), RowOf("Text_1"));
}

TEST_F(TimelinePanelTest, DraggingABarMovesTheObjectInTimeWithOneRebuild)
{
    Open(TextAt("Text_1", 0, 9, 1) + TextAt("Text_2", 5, 20, 2));
    const int loads = window->PreviewLoads();
    const int row = RowOf("Text_2");
    Drag(At(row, 12.5), At(row, 19.5));
    const int index = Index("Text_2");
    EXPECT_EQ(Frame(index, "StartTime"), 12);
    EXPECT_EQ(Frame(index, "EndTime"), 27);
    EXPECT_EQ(Field(index, "ExSpeed"), "15");  // the length is kept
    EXPECT_EQ(window->PreviewLoads(), loads + 1);
    EXPECT_EQ(view().Rows()[size_t(RowOf("Text_2"))].start, 12);
    EXPECT_TRUE(window->Modified());

    // Not before the first frame; the length stays.
    Drag(At(RowOf("Text_2"), 20.5), At(RowOf("Text_2"), 0.5));
    EXPECT_EQ(Frame(index, "StartTime"), 0);
    EXPECT_EQ(Frame(index, "EndTime"), 15);
}

TEST_F(TimelinePanelTest, DraggingAnEndChangesThatEndAndATextsLength)
{
    Open(TextAt("Text_1", 10, 30, 1));
    SelectEntry("Text_1");
    Drag(At(0, 31) - QPoint(1, 0), At(0, 41) - QPoint(1, 0));  // the right end
    EXPECT_EQ(Frame(0, "StartTime"), 10);
    EXPECT_EQ(Frame(0, "EndTime"), 40);
    EXPECT_EQ(Field(0, "ExSpeed"), "30");
    // The open editor shows the new frames (counted from 1).
    EXPECT_EQ(window->TextForm()->findChild<QWidget*>("EditEnd")->property("value").toInt(), 41);

    Drag(At(0, 10) + QPoint(1, 0), At(0, 35) + QPoint(1, 0));  // the left end
    EXPECT_EQ(Frame(0, "StartTime"), 35);
    EXPECT_EQ(Frame(0, "EndTime"), 40);
    EXPECT_EQ(Field(0, "ExSpeed"), "5");
    Drag(At(0, 35) + QPoint(1, 0), At(0, 60) + QPoint(1, 0));  // past the right one: it stops there
    EXPECT_EQ(Frame(0, "StartTime"), 40);
    EXPECT_EQ(Frame(0, "EndTime"), 40);
}

TEST_F(TimelinePanelTest, ASoundsRowCannotBeDragged)
{
    Open(TextAt("Text_1", 0, 9, 1) + kSound);
    const int loads = window->PreviewLoads();
    Drag(At(RowOf("Sound_1"), 0.5), At(RowOf("Sound_1"), 8.5));
    EXPECT_EQ(Frame(1, "StartTime"), 0);
    EXPECT_EQ(Frame(1, "EndTime"), 1);
    EXPECT_EQ(window->PreviewLoads(), loads);
}

TEST_F(TimelinePanelTest, ThePlayLineFollowsThePreviewAndTheRulerMovesIt)
{
    Open(TextAt("Text_1", 0, 30, 1));
    window->Action("ControlPause")->trigger();
    window->Flash().SetFrameNum(7);
    window->UpdatePlayPos();
    EXPECT_EQ(view().PlayFrame(), 7);

    QTest::mouseClick(viewport(), Qt::LeftButton, {}, QPoint(int(view().FrameX(20.5)), TimelineView::RulerHeight / 2));
    EXPECT_EQ(window->Flash().FrameNum(), 20);
    EXPECT_EQ(view().PlayFrame(), 20);
}

TEST_F(TimelinePanelTest, RenamedAndInsertedObjectsShowUp)
{
    Open(TextAt("Text_1", 0, 9, 1));
    QTreeWidget& tree = window->ObjListForm()->ObjTree();
    SelectEntry("Text_1");
    tree.topLevelItem(0)->setText(0, "Title");  // as an in-place edit ends
    ProcessEventsFor(20);
    ASSERT_EQ(view().Rows().size(), 1u);
    EXPECT_EQ(view().Rows()[0].name, "Title");
    window->Action("InsertText")->trigger();
    ProcessEventsFor(20);
    EXPECT_EQ(view().Rows().size(), 2u);
}

TEST_F(TimelinePanelTest, CtrlWheelZoomsAboutTheFrameUnderTheMouse)
{
    Open(TextAt("Text_1", 0, 300, 1));
    const QPointF at(view().FrameX(40), 40);
    const double before = view().FrameWidth();
    QWheelEvent wheel(at, viewport()->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport(), &wheel);
    EXPECT_GT(view().FrameWidth(), before);
    EXPECT_NEAR(view().FrameX(40), at.x(), 1.0);
}

TEST_F(TimelinePanelTest, HidesFloatsAndDocksWhileTheMovieKeepsItsSize)
{
    Open(TextAt("Text_1", 0, 9, 1));
    TTimelineForm& timeline = *window->TimelineForm();
    const QSize movie = window->Flash().size();
    const int height = window->height();
    ASSERT_TRUE(timeline.isVisible());
    ASSERT_TRUE(timeline.IsDocked());

    window->Action("WindowShow")->trigger();  // F4 hides the tool windows
    ProcessEventsFor(20);
    EXPECT_FALSE(timeline.isVisible());
    EXPECT_FALSE(window->Action("WindowTimeline")->isChecked());
    EXPECT_EQ(window->height(), height - timeline.height());
    EXPECT_EQ(window->Flash().size(), movie);

    window->Action("WindowTimeline")->trigger();
    ProcessEventsFor(20);
    EXPECT_TRUE(timeline.isVisible());
    EXPECT_EQ(window->height(), height);
    EXPECT_EQ(window->Flash().size(), movie);

    timeline.DockInto(nullptr);  // dragged out: a free window
    ProcessEventsFor(20);
    EXPECT_TRUE(timeline.isVisible());
    EXPECT_TRUE(timeline.isWindow());
    EXPECT_EQ(window->Flash().size(), movie);

    window->Action("WindowWorkSpace")->trigger();  // F11 puts it back under the preview
    ProcessEventsFor(20);
    EXPECT_TRUE(timeline.IsDocked());
    EXPECT_EQ(window->height(), height);
    EXPECT_EQ(window->Flash().size(), movie);
}

}  // namespace
}  // namespace glimmora::test
