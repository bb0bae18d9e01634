// What the editor says when the preview cannot show a movie, when a picture
// of the project cannot be used, and when memory runs out.
#include "MainWindowFixture.h"

#include "support/ProjectFixtures.h"
#include "widgets/ErrorBox.h"

#include <new>

namespace glimmora::test {
namespace {

using PreviewMessagesTest = MainWindowTest;

TEST_F(PreviewMessagesTest, AMovieThePlayerRefusesIsNotABlankPreviewWithoutAWord) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "too short to be an SWF file"},
        {"GIF89a not a movie", "not an SWF file"},
    };
    for (const auto& [bytes, reason] : cases) {
        const auto movie = dir / "broken.swf";
        WriteFile(movie, bytes);
        boxes.clear();
        Start(QString::fromStdString(movie.string()));
        ASSERT_EQ(boxes.size(), 1u) << reason;
        EXPECT_EQ(boxes[0].kind, MessageBoxes::Kind::Error);
        EXPECT_TRUE(boxes[0].text.contains(QString::fromStdString(movie.string()))) << boxes[0].text.toStdString();
        EXPECT_TRUE(boxes[0].text.contains(QString::fromStdString(reason))) << boxes[0].text.toStdString();
        window.reset();
    }
}

TEST_F(PreviewMessagesTest, APictureThatCannotBeUsedNamesTheObjectAndTheFileBelowTheMessage) {
    Start(QString::fromStdString(WriteProject("p/show.gmr", MovieXml(StaticPictureXml("Logo", 0, 0, 10, 10))).string()));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Sorry, can not use the picture!") << "the program's own message";
    EXPECT_EQ(boxes[0].details.toStdString(),
              "Logo: Picture file \"" + (dir / "p" / "Logo.jpg").string() + "\" does not exist");
}

TEST_F(PreviewMessagesTest, RunningOutOfMemoryIsSaidInWords) {
    EXPECT_EQ(ErrorText(std::bad_alloc()), "There is not enough memory for this.");
    EXPECT_EQ(ErrorText(std::runtime_error("Cannot write x")), "Cannot write x");
}

}  // namespace
}  // namespace glimmora::test
