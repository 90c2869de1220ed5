// The link strip against a real HTTP server on 127.0.0.1: the download, the captions and their
// layout, the announcement page and the launch counter, failed and stalled downloads, and the
// refusal of anything that is not a web address.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "local_http_server.h"
#include "program_fixture.h"

namespace kadrion::app {
namespace {

using namespace testing_support;

// The real WinINet download, sent to the test server instead of the maker's site.
class LocalListSource : public toolkit::Downloader {
 public:
  explicit LocalListSource(std::wstring address, DWORD timeLimitMs = 5000)
      : address_(std::move(address)), web_(timeLimitMs) {}
  bool Download(const std::wstring& address, const std::wstring& target) override {
    requested.push_back(address);
    return web_.Download(address_, target);
  }
  std::vector<std::wstring> requested;

 private:
  std::wstring address_;
  toolkit::WebDownloader web_;
};

// A link list in Windows-1250 ("Płyty" has the byte 0xB3).
const std::string kFullList =
    "[inne]\r\n1=Strona programu\r\n2=Wsparcie\r\n3=P\xB3yty\r\n4=Sklep\r\n5=TV\r\n"
    "6=Ksi\xB9\xBFki\r\n7=Firma\r\n8=http://www.kadrion.pl/a/\r\n9=http://www.kadrion.pl/b/\r\n"
    "10=http://www.kadrion.pl/c/\r\n11=http://sklep.pl/?ref=1\r\n12=http://tv.pl/?id=k\r\n"
    "13=http://www.kadrion.pl/f/\r\n14=http://www.kadrion.pl/\r\n"
    "ww=http://www.kadrion.pl/nowe/\r\n";

class LinksTest : public ProgramTest {
 protected:
  void StartWith(toolkit::Downloader* source) {
    linkSource = source;
    Start({});
  }
  // Closes as the caption's close button does; true when the window went away.
  bool CloseWindow() {
    Main().Close();
    Pump();
    return !IsWindow(Main().Handle());
  }
  std::wstring Counter() const { return folder / L"kat.ini"; }
  std::wstring LinkListFile() const { return folder / L"kadrion.ini"; }
  std::string SavedCount() const { return IniValue(Counter(), "inne", "1"); }
  void SetCount(int count) {
    std::string text = "[inne]\r\n1=";
    text += std::to_string(count);
    text += "\r\n";
    WriteFileText(Counter(), text);
  }
  // Link k (from 0), "r1" to "r7" in the design.
  toolkit::Label& Link(int k) { return InMain<toolkit::Label>(id::r1 + k); }
  std::vector<std::wstring> Captions() {
    std::vector<std::wstring> captions;
    for (int k = 0; k < core::kLinkCount; ++k) captions.push_back(Link(k).WText());
    return captions;
  }
  void ClickLink(toolkit::Label& label) {
    SendMessageW(InMain<toolkit::Panel>(id::Panel1).Handle(), WM_COMMAND,
                 MAKEWPARAM(label.Id(), STN_CLICKED), reinterpret_cast<LPARAM>(label.Handle()));
  }
  std::vector<RecordingShell::Opened> Opened() const { return testing_support::Shell().opened; }

  LocalHttpServer server;
};

TEST_F(LinksTest, TheListIsDownloadedItsCaptionsFollowOneAnotherAndTheAnnouncementOpens) {
  server.Answer(LocalHttpServer::Response(200, kFullList));
  LocalListSource source(server.Address());
  StartWith(&source);

  EXPECT_EQ(source.requested, std::vector<std::wstring>{std::wstring(core::kLinkListAddress)});
  EXPECT_EQ(ReadFileText(LinkListFile()), kFullList) << "stored in the temporary folder";
  EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"Strona programu", L"Wsparcie", L"Płyty",
                                                   L"Sklep", L"TV", L"Książki", L"Firma"}));
  const toolkit::Label* previous = nullptr;
  for (int k = 0; k < core::kLinkCount; ++k) {
    const toolkit::Label* label = &Link(k);
    const RECT bounds = label->Bounds();
    EXPECT_GT(bounds.right - bounds.left, 10) << "sized to its caption";
    if (previous)
      EXPECT_EQ(bounds.left, previous->Bounds().right + 15) << "15 pixels after the previous one";
    else
      EXPECT_EQ(bounds.left, 5);
    previous = label;
  }
  EXPECT_EQ(Opened(), (std::vector<RecordingShell::Opened>{{L"http://www.kadrion.pl/nowe/", true}}))
      << "the announcement, maximised";

  testing_support::Shell().opened.clear();
  ClickLink(Link(3));
  ClickLink(Link(0));
  EXPECT_EQ(Opened(), (std::vector<RecordingShell::Opened>{{L"http://sklep.pl/?ref=1", true},
                                                           {L"http://www.kadrion.pl/a/", true}}));
  ASSERT_TRUE(CloseWindow());
  EXPECT_EQ(SavedCount(), "1");
}

TEST_F(LinksTest, TheAnnouncementOpensAtTheFirstThreeStartsWithADownloadAndTheCountGoesOn) {
  server.Answer(LocalHttpServer::Response(200, kFullList));
  LocalListSource source(server.Address());
  for (int count = 0; count <= 4; ++count) {
    testing_support::Shell().opened.clear();
    if (count > 0) {
      EXPECT_EQ(SavedCount(), std::to_string(count));
    }
    StartWith(&source);
    EXPECT_EQ(Opened().size(), count < 3 ? 1u : 0u) << "count " << count;
    ASSERT_TRUE(CloseWindow());
    EXPECT_EQ(SavedCount(), std::to_string(count + 1));
  }
}

TEST_F(LinksTest, ACounterThatCannotBeWrittenIsSaidOnceAndTheCloseGoesOn) {
  StartWith(nullptr);
  Model().Assign({core::FilmEntry{"Matrix", "The Matrix", "Akcja", "1", "DVD"}});
  FileLock counter(Counter());
  ASSERT_TRUE(counter.Locked());
  {
    FileLock catalogue(Dat());  // so that the first close fails after the counter
    Dialogs().Clear();
    EXPECT_FALSE(CloseWindow());
  }
  ASSERT_EQ(Dialogs().errors.size(), 2u);
  EXPECT_NE(Dialogs().errors[0].find(L"kat.ini"), std::wstring::npos);
  EXPECT_NE(Dialogs().errors[1].find(L"Dane\\Dane."), std::wstring::npos)
      << "the close went on to the catalogue";
  EXPECT_TRUE(CloseWindow());
  EXPECT_EQ(Dialogs().errors.size(), 2u) << "the counter's failure is not said again";
  EXPECT_EQ(ReadFileText(Dat()).size(), 625u);
  EXPECT_TRUE(Exists(Ini()));
}

TEST_F(LinksTest, AFailedDownloadUsesTheEarlierCopyOrTheDefaultsOpensNothingAndDoesNotCount) {
  const std::string earlier = "[inne]\r\n1=Stara strona\r\n3=\r\n8=http://stara/\r\n";
  const struct {
    const char* what;
    std::string answer;  // empty: nothing listens
  } failures[] = {
      {"nothing listening", ""},
      {"404", LocalHttpServer::Response(404, "[inne]\r\n1=Nie ma\r\n")},
      {"500", LocalHttpServer::Response(500, "[inne]\r\n1=Blad\r\n")},
      {"empty 200", LocalHttpServer::Response(200, "")},
      {"over 1 MiB",
       LocalHttpServer::Response(200, "[inne]\r\n1=Za du\xBFo\r\n" + std::string(1 << 20, ';'))},
      {"cut short",
       "HTTP/1.1 200 OK\r\nContent-Length: 500\r\nConnection: close\r\n\r\n[inne]\r\n1=Po\r\n"},
  };
  for (const bool withEarlierCopy : {true, false}) {
    for (const auto& failure : failures) {
      SCOPED_TRACE(std::string(failure.what) + (withEarlierCopy ? ", earlier copy" : ", none"));
      testing_support::Shell().opened.clear();
      SetCount(1);
      if (withEarlierCopy)
        WriteFileText(LinkListFile(), earlier);
      else
        DeleteFileW(LinkListFile().c_str());
      server.Answer(failure.answer);
      LocalListSource source(failure.answer.empty()
                                 ? L"http://127.0.0.1:" +
                                       std::to_wstring(LocalHttpServer::UnusedPort()) +
                                       L"/Kadrion.dat"
                                 : server.Address());
      StartWith(&source);
      if (withEarlierCopy) {
        EXPECT_EQ(ReadFileText(LinkListFile()), earlier) << "the earlier copy stays as it was";
        EXPECT_EQ(Link(0).WText(), L"Stara strona");
        EXPECT_EQ(Link(2).WText(), L"") << "an empty key 3";
        EXPECT_EQ(Link(3).Bounds().left, 280) << "r4 keeps its design position";
      } else {
        EXPECT_FALSE(Exists(LinkListFile()));
        EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"Strona www", L"Wsparcie", L"Płytoteka",
                                                         L"Filmy na DVD", L"Program TV",
                                                         L"Biblioteczka", L"Kadrion Soft"}));
      }
      EXPECT_TRUE(Opened().empty()) << "no announcement";
      ClickLink(Link(0));
      EXPECT_EQ(
          Opened(),
          (std::vector<RecordingShell::Opened>{
              {withEarlierCopy ? L"http://stara/" : L"https://www.kadrion.pl/kadrion/", true}}));
      EXPECT_FALSE(Exists(LinkListFile() + L".tmp"));
      ASSERT_TRUE(CloseWindow());
      EXPECT_EQ(SavedCount(), "1") << "the count stays";
    }
  }
}

// A server that never finishes: stalled, trickling, or redirecting the request to itself
// (Windows gives up after a number of redirects, Wine follows them until the time limit).
TEST_F(LinksTest, AServerThatNeverFinishesIsCutOffByTheTimeLimit) {
  const struct {
    const char* what;
    void (*serve)(LocalHttpServer&);
  } ways[] = {
      {"stalled", [](LocalHttpServer& server) { server.Stall(); }},
      {"trickling", [](LocalHttpServer& server) { server.Trickle(); }},
      {"redirecting to itself",
       [](LocalHttpServer& server) {
         server.Answer(
             "HTTP/1.1 302 Found\r\nLocation: /Kadrion.dat\r\nContent-Length: 0\r\n"
             "Connection: close\r\n\r\n");
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.what);
    LocalHttpServer slow;
    way.serve(slow);
    LocalListSource source(slow.Address(), 300);
    StartWith(&source);
    EXPECT_GE(slow.Requests(), 1) << "the server was reached";
    EXPECT_TRUE(IsWindowVisible(Main().Handle()));
    EXPECT_FALSE(Exists(LinkListFile()));
    EXPECT_EQ(Link(0).WText(), L"Strona www");
    EXPECT_TRUE(Opened().empty());
    ASSERT_TRUE(CloseWindow());
    EXPECT_EQ(SavedCount(), "0");
  }
}

TEST_F(LinksTest, OnlyWebAddressesAreOpenedFromTheLinksAndAsTheAnnouncement) {
  server.Answer(LocalHttpServer::Response(
      200,
      "[inne]\r\n8=file:///C:/windows/system32/calc.exe\r\n9=C:\\windows\\notepad.exe\r\n"
      "10=\\\\serwer\\udzial\\program.exe\r\n11=calc.exe\r\n12=javascript:alert(1)\r\n13=\r\n"
      "14=HTTPS://WWW.KADRION.PL/\r\nww=file:///C:/windows/system32/calc.exe\r\n"));
  LocalListSource source(server.Address());
  StartWith(&source);
  EXPECT_TRUE(Opened().empty()) << "a file: announcement is refused";
  for (int k = 0; k < core::kLinkCount; ++k) ClickLink(Link(k));
  EXPECT_EQ(Opened(), (std::vector<RecordingShell::Opened>{{L"HTTPS://WWW.KADRION.PL/", true}}));
  ASSERT_TRUE(CloseWindow());
  EXPECT_EQ(SavedCount(), "1") << "the download still counts";
}

// Whatever the bytes, a complete answer is a link list: one without its keys gives the defaults.
TEST_F(LinksTest, ABinaryListGivesTheDefaults) {
  std::string binary;
  for (int k = 0; k < 64 * 256; ++k) binary += static_cast<char>(k % 256);
  server.Answer(LocalHttpServer::Response(200, binary));
  LocalListSource source(server.Address());
  StartWith(&source);
  EXPECT_EQ(ReadFileText(LinkListFile()), binary);
  EXPECT_EQ(Captions(),
            (std::vector<std::wstring>{L"Strona www", L"Wsparcie", L"Płytoteka", L"Filmy na DVD",
                                       L"Program TV", L"Biblioteczka", L"Kadrion Soft"}));
  EXPECT_EQ(
      Opened(),
      (std::vector<RecordingShell::Opened>{{std::wstring(core::kDefaultAnnouncement), true}}));
  ASSERT_TRUE(CloseWindow());
  EXPECT_EQ(SavedCount(), "1");
}

}  // namespace
}  // namespace kadrion::app
