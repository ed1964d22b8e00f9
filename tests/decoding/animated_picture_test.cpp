// The animated picture: which picture, when it reloads and when it re-tints.
#include <gtest/gtest.h>

#include <vector>

#include "status/animated_status_picture.h"

namespace orvan::status {
namespace {

using D = DisplayState;

class AnimatedPictureTest : public ::testing::Test {
  protected:
    AnimatedPictureTest() {
        view.setVisible(false);
        view.observe([this](ui::Control&, ui::Property p) {
            if (p == ui::Property::Picture) ++pictureChanges;
        });
    }
    ui::AnimatedPicture view{"WebBrowser1"};
    AnimatedStatusPicture picture{view, "/opt/orvan"};
    int pictureChanges = 0;
};

TEST_F(AnimatedPictureTest, CleaningPictureFromAThousandCardsOnAConnectedPrinter) {
    picture.show(true, 999, D::Ready);
    EXPECT_EQ(view.picture(), "/opt/orvan/LOGO.gif");
    EXPECT_TRUE(view.visible());
    EXPECT_EQ(view.marginLeft(), 8);
    EXPECT_EQ(view.marginTop(), 14);
    picture.show(true, 1000, D::Ready);
    EXPECT_EQ(view.picture(), "/opt/orvan/CLEANING.gif");
    picture.show(false, 5000, D::Absent);
    EXPECT_EQ(view.picture(), "/opt/orvan/LOGO.gif");
}

TEST_F(AnimatedPictureTest, UnchangedStateNeitherReloadsNorRetints) {
    picture.show(true, 10, D::Running);
    EXPECT_EQ(view.tint(), 0xFFFFC0u);
    const int after = pictureChanges;
    picture.show(true, 11, D::Running);
    picture.show(true, 12, D::Running);
    EXPECT_EQ(pictureChanges, after);
    picture.show(true, 13, D::Failed);
    EXPECT_EQ(view.tint(), 0xFFC0FFu);
    EXPECT_EQ(pictureChanges, after + 1);
}

TEST_F(AnimatedPictureTest, ResetAndReloadApplyTheTintAgain) {
    picture.show(true, 10, D::Ready);
    view.setTint(0x123456);  // the view lost its tint behind our back
    picture.show(true, 10, D::Ready);
    EXPECT_EQ(view.tint(), 0x123456u);
    picture.reset();
    picture.show(true, 10, D::Ready);
    EXPECT_EQ(view.tint(), 0xC0FFC0u);

    view.setTint(0x123456);
    picture.show(true, 2000, D::Ready);  // new picture: tint it again
    EXPECT_EQ(view.picture(), "/opt/orvan/CLEANING.gif");
    EXPECT_EQ(view.tint(), 0xC0FFC0u);
}

}  // namespace
}  // namespace orvan::status
