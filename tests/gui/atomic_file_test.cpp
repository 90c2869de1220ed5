#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/error.h"
#include "toolkit/files.h"

namespace kadrion::toolkit {
namespace {

using namespace testing_support;

std::vector<std::uint8_t> Bytes(const char* text) {
  return std::vector<std::uint8_t>(text, text + strlen(text));
}

TEST(AtomicFileWriter, ReplacesTheFileOnlyOnCommit) {
  TempFolder folder;
  const std::wstring path = folder / L"Dane.dat";
  WriteFileText(path, "old contents");
  {
    AtomicFileWriter writer(path);
    writer.Write(Bytes("new"));
    EXPECT_EQ(ReadFileText(path), "old contents") << "not replaced while being written";
    writer.Commit();
  }
  EXPECT_EQ(ReadFileText(path), "new");
  EXPECT_FALSE(Exists(AtomicFileWriter::TemporaryPathFor(path)));
}

TEST(AtomicFileWriter, AWriteAbandonedHalfwayLeavesTheOldFileAndNoLeftover) {
  TempFolder folder;
  const std::wstring path = folder / L"Dane.dat";
  WriteFileText(path, "old contents");
  {
    AtomicFileWriter writer(path);
    writer.Write(Bytes("half of the new"));
    // An error raised here leaves without Commit.
  }
  EXPECT_EQ(ReadFileText(path), "old contents");
  EXPECT_FALSE(Exists(AtomicFileWriter::TemporaryPathFor(path)));
}

TEST(AtomicFileWriter, CreatesAMissingFileAndOverwritesALeftoverOfAKilledWrite) {
  TempFolder folder;
  const std::wstring path = folder / L"Dane.dat";
  WriteFileText(AtomicFileWriter::TemporaryPathFor(path), "leftover of a killed write, longer");
  AtomicFileWriter writer(path);
  writer.Write(Bytes("fresh"));
  writer.Commit();
  EXPECT_EQ(ReadFileText(path), "fresh");
}

TEST(AtomicFileWriter, AMissingFolderRaisesAnErrorNamingTheFile) {
  TempFolder folder;
  const std::wstring path = folder / L"Brak\\Dane.dat";
  try {
    AtomicFileWriter writer(path);
    FAIL() << "no error";
  } catch (const kadrion::core::Failure& e) {
    EXPECT_NE(e.Message().find(path), std::wstring::npos);
  }
}

}  // namespace
}  // namespace kadrion::toolkit
