#include "core/caption_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/roll_animation.h"

namespace kadrion::core {
namespace {

TEST(CaptionLayout, ButtonsLineUpLeftOfTheStandardOnes) {
  using Offsets = std::vector<std::optional<int>>;
  const struct {
    std::vector<CaptionSlot> slots;
    int buttonWidth;
    Offsets offsets;
  } cases[] = {
      {{{true, 0}, {true, 0}}, 18, {18, 34}},
      {{{false, 0}, {true, 0}}, 18, {std::nullopt, 18}},  // an invisible one takes no place
      {{{true, 5}, {true, 3}}, 18, {23, 42}},             // each gap right of its own button
      {{{true, 0}, {false, 7}, {true, 0}}, 16, {16, std::nullopt, 30}},
  };
  for (const auto& c : cases) EXPECT_EQ(RightOffsets(c.slots, c.buttonWidth), c.offsets);
}

// A window 800 wide, a frame 3 wide and 5 high, buttons 18 x 16 with a 13 x 9 face: no size
// stands in for another.
TEST(CaptionLayout, TheButtonSitsWhereTheStandardButtonsLeaveRoom) {
  const struct {
    CaptionStyle style;
    int rightOffset;
    int left;
  } cases[] = {
      {{false, true, false, true}, 18, 722},  // minimize, maximize and close
      {{false, true, false, true}, 34, 706},  // the second button
      {{false, false, true, true}, 18, 740},  // help and close
      {{false, false, false, true}, 18, 758},
      {{true, true, true, true}, 18, 758},  // a tool window has only close
      {{false, false, false, false}, 18, 776},
  };
  for (const auto& c : cases) {
    const ButtonPlace place = PlaceCaptionButton(800, c.style, {18, 16, 3, 5}, c.rightOffset);
    const int left = c.left;
    EXPECT_EQ((std::vector<int>{place.left, place.top, place.right, place.bottom}),
              (std::vector<int>{left, 7, left + 16, 11}));
    EXPECT_EQ((std::vector<int>{place.imageX, place.imageY, place.imageWidth, place.imageHeight}),
              (std::vector<int>{left + 7, 7, 16, 12}));
    EXPECT_TRUE(OnCaptionButton(place, left + 1, -1));
    EXPECT_TRUE(OnCaptionButton(place, left + 17, -19));
    EXPECT_FALSE(OnCaptionButton(place, left, -5)) << "left of it";
    EXPECT_FALSE(OnCaptionButton(place, left + 18, -5)) << "right of it";
    EXPECT_FALSE(OnCaptionButton(place, left + 5, 0)) << "in the client area";
  }
}

TEST(CaptionLayout, OrdersAndMenuPositionsAreKeptInRange) {
  const struct {
    int requested, count, order;
  } orders[] = {{5, 2, 1}, {-1, 2, 0}, {-7, 3, 0}, {1, 2, 1}, {0, 1, 0}};
  for (const auto& c : orders)
    EXPECT_EQ(ClampButtonOrder(c.requested, c.count), c.order) << c.requested;

  const struct {
    int position, items, inserted;
  } menus[] = {{7, 7, 7}, {8, 7, 8}, {9, 7, 7}, {200, 3, 3}, {0, 0, 0}, {2, 0, 0}};
  for (const auto& c : menus)
    EXPECT_EQ(SystemMenuInsertPosition(c.position, c.items), c.inserted) << c.position;
}

TEST(CaptionLayout, DesignOrderIsAppliedOnceLoaded) {
  struct Button {
    char name;
    int order;
  };
  auto names = [](const std::vector<Button>& buttons) {
    std::string text;
    for (const Button& b : buttons) text += b.name;
    return text;
  };
  const struct {
    std::vector<Button> read;
    const char* sorted;
    bool moved;
  } cases[] = {
      {{{'a', 1}, {'b', 0}}, "ba", true},
      {{{'a', 0}, {'b', 1}}, "ab", false},
      {{{'a', 2}, {'b', -1}, {'c', 2}, {'d', 0}}, "bdac", true},  // equal orders keep places
      {{{'a', 0x10000}, {'b', 5}}, "ab", false},                  // 65536 is 0 as a 16-bit order
  };
  for (auto c : cases) {
    EXPECT_EQ(SortByLoadedOrder(c.read, [](const Button& b) { return b.order; }), c.moved);
    EXPECT_EQ(names(c.read), c.sorted);
  }
}

TEST(RollAnimation, StepsReachTheTargetExactly) {
  // Speed 10 takes a third of the height a step, speed 0 about a 33rd; never less than 2.
  EXPECT_EQ(RollUpHeights(300, 0, 10), (std::vector<int>{300, 200, 100, 0}));
  EXPECT_EQ(RollDownHeights(0, 300, 10), (std::vector<int>{0, 100, 200, 300}));
  EXPECT_EQ(RollUpHeights(10, 3, 0), (std::vector<int>{10, 8, 6, 4, 3}));
  EXPECT_EQ(RollDownHeights(50, 40, 10), (std::vector<int>{50})) << "remain above saved";
  const auto slow = RollUpHeights(330, 0, 0);
  EXPECT_EQ(slow.size(), 34u);
  EXPECT_EQ(slow.back(), 0);
  EXPECT_EQ(RollUpHeights(20, 20, 8), (std::vector<int>{20})) << "already there: set once";
  EXPECT_EQ(RollUpHeights(330, 0, -5), slow) << "speeds below 0 are 0";
  EXPECT_EQ(RollDownHeights(0, 300, 11), RollDownHeights(0, 300, 10)) << "above 10 are 10";
}

}  // namespace
}  // namespace kadrion::core
