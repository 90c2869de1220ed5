// The GUI tests share one Application whose modal boxes are answered by a recorder.
#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/application.h"

namespace kadrion::testing_support {

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

}  // namespace kadrion::testing_support

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  kadrion::testing_support::RecordingDialogs dialogs;
  kadrion::testing_support::recorder = &dialogs;
  kadrion::testing_support::RecordingShell shell;
  kadrion::testing_support::shellRecorder = &shell;
  kadrion::toolkit::ProgramTitle title;
  kadrion::toolkit::Application application(title, dialogs);
  kadrion::testing_support::application = &application;
  return RUN_ALL_TESTS();
}
