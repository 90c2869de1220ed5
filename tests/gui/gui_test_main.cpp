// The GUI tests share one Application whose modal boxes are answered by a recorder.
#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/application.h"

namespace testing_support {

namespace {
RecordingDialogs* recorder = nullptr;
RecordingShell* shellRecorder = nullptr;
toolkit::Application* application = nullptr;
}  // namespace

RecordingDialogs& Dialogs() {
  return *recorder;
}
RecordingShell& Shell() {
  return *shellRecorder;
}
toolkit::Application& TestApplication() {
  return *application;
}

}  // namespace testing_support

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing_support::RecordingDialogs dialogs;
  testing_support::recorder = &dialogs;
  testing_support::RecordingShell shell;
  testing_support::shellRecorder = &shell;
  toolkit::ProgramTitle title;
  toolkit::Application application(title, dialogs);
  testing_support::application = &application;
  return RUN_ALL_TESTS();
}
