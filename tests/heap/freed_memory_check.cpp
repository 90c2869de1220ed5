// Fails the test during which the poisoning allocator found a fault: the blocks freed during a
// test are checked at its end, when they really go.
#include <gtest/gtest.h>

#include "heap/poisoning_allocator.h"

namespace kadrion::testing_support {
namespace {

class FreedMemoryCheck : public testing::EmptyTestEventListener {
 public:
  void OnTestEnd(const testing::TestInfo&) override { Check("by the end of this test"); }
  // Every block freed so far goes; a fault found since the last check fails the test at hand.
  void Check(const char* when) {
    const std::size_t faults = ReleaseFreedBlocks();
    EXPECT_EQ(faults, seen_) << "faults of freed memory " << when << ", reported above";
    seen_ = faults;
  }

 private:
  std::size_t seen_ = 0;
};

// Registered before main, the documented way for programs on gtest_main; the listener is
// added once the flags are read, after the result printer, so that a test it fails is printed
// as failed.
class FreedMemoryEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    if (check_) return;  // a repeated run
    check_ = new FreedMemoryCheck;
    testing::UnitTest::GetInstance()->listeners().Append(check_);
  }
  void TearDown() override {
    check_->Check("after the last test");
    EndOnFaults();
  }

 private:
  FreedMemoryCheck* check_ = nullptr;
};

testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new FreedMemoryEnvironment);

}  // namespace
}  // namespace kadrion::testing_support
