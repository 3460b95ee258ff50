// The download worker reporting to its owner window, and stopped and joined when it goes.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>
#include <vector>

#include "app/CQuorDlg.h"
#include "banner/CDownloadAd.h"
#include "tests/banner/gif_fixture.h"
#include "tests/banner/http_server.h"
#include "winsys/Dialog.h"

namespace {

class Owner : public winsys::Dialog {
 public:
  Owner() : Dialog(102) {}
  std::vector<std::pair<unsigned, uintptr_t>> messages;

 protected:
  intptr_t OnMessage(unsigned message, uintptr_t wparam, intptr_t) override {
    messages.emplace_back(message, wparam);
    return 0;
  }
};

// How long a wait may last before the test gives up: a safety net, not a timing.
constexpr int kPatienceMs = 20000;

// Lets queued calls arrive for a while (to see that no further message comes).
void Settle() {
  for (int i = 0; i < 50; ++i) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(4));
  }
}

class DownloadWorker : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(data_home_.isValid());
    setenv("XDG_DATA_HOME", data_home_.path().toUtf8().constData(), 1);
    for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) unsetenv(name);
    ASSERT_TRUE(owner_.Create(nullptr));
    server_before_ = CDownloadAd::Server();
  }
  void TearDown() override { CDownloadAd::SetServer(server_before_); }

  std::string Banner(const CDownloadAd& worker) const {
    std::ifstream file(worker.Folder() + "/veytoolad.gif", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  QTemporaryDir data_home_;
  Owner owner_;
  std::string server_before_;
};

std::string SmallGif() {
  giftest::GifBuilder gif(3, 2, {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF});
  gif.Image(0, 0, 3, 2, 2).Trailer();
  return std::string(gif.Data().begin(), gif.Data().end());
}

std::string Ok(const std::string& body) {
  return "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

TEST_F(DownloadWorker, ReportsSuccessOnce) {
  httptest::Server server;
  server.Push(Ok(SmallGif()));
  ASSERT_TRUE(CDownloadAd::SetServer(server.HostPort()));
  CDownloadAd worker;
  worker.SetOwner(&owner_);
  ASSERT_TRUE(worker.PrepareFolder());
  EXPECT_EQ(worker.Folder(), data_home_.path().toStdString() + "/QuorKit");
  ASSERT_TRUE(worker.Start());
  EXPECT_FALSE(worker.Start());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !owner_.messages.empty(); }, kPatienceMs));
  Settle();
  ASSERT_EQ(owner_.messages.size(), 1u);
  EXPECT_EQ(owner_.messages[0].first, 0x0464u);
  EXPECT_EQ(owner_.messages[0].second, 1u);
  EXPECT_EQ(Banner(worker), SmallGif());
}

// The worker decodes the body as the picture control would before it replaces the banner.
TEST_F(DownloadWorker, SavesOnlyWhatThePictureControlDecodes) {
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(qRgb(1, 2, 3));
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(image.save(&buffer, "BMP"));
  // Laid out as a GIF of two frames, but neither frame holds image data that decodes.
  giftest::GifBuilder broken(4, 4, {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF});
  broken.Control(0, 10).Raw({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 0x0D, 0});
  broken.Control(0, 10).Raw({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 0x0D, 0}).Trailer();
  std::string bad_bmp = bmp.toStdString();
  bad_bmp[28] = 7;  // no such bit depth
  const std::string earlier = SmallGif();
  const struct {
    const char* name;
    std::string body;
    bool saved;
  } cases[] = {
      {"BMP", bmp.toStdString(), true},
      {"GIF whose frames do not decode", std::string(broken.Data().begin(), broken.Data().end()),
       false},
      {"BMP of an unknown bit depth", bad_bmp, false},
      {"HTML", "<html><body>portal</body></html>", false},
  };
  for (const auto& c : cases) {
    owner_.messages.clear();
    httptest::Server server;
    server.Push(Ok(c.body));
    ASSERT_TRUE(CDownloadAd::SetServer(server.HostPort()));
    CDownloadAd worker;
    worker.SetOwner(&owner_);
    ASSERT_TRUE(worker.PrepareFolder());
    std::ofstream(worker.Folder() + "/veytoolad.gif", std::ios::binary) << earlier;
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owner_.messages.empty(); }, kPatienceMs)) << c.name;
    Settle();
    ASSERT_EQ(owner_.messages.size(), 1u) << c.name;
    EXPECT_EQ(owner_.messages[0].second, c.saved ? 1u : 0u) << c.name;
    EXPECT_TRUE(Banner(worker) == (c.saved ? c.body : earlier)) << c.name;
    EXPECT_EQ(QDir(QString::fromStdString(worker.Folder()))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"veytoolad.gif"})
        << c.name;
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_NE(server.Requests()[0].find("\r\nAccept-Encoding: identity\r\n"), std::string::npos);
  }
}

TEST_F(DownloadWorker, ReportsFailure) {
  for (const char* reply : {"HTTP/1.0 404 Not Found\r\n\r\n", "HTTP/1.0 401 No\r\n\r\n"}) {
    owner_.messages.clear();
    httptest::Server server;
    server.Push(reply);
    ASSERT_TRUE(CDownloadAd::SetServer(server.HostPort()));
    CDownloadAd worker;
    worker.SetOwner(&owner_);
    worker.PrepareFolder();
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owner_.messages.empty(); }, kPatienceMs));
    Settle();
    ASSERT_EQ(owner_.messages.size(), 1u);
    EXPECT_EQ(owner_.messages[0].second, 0u);
  }
}

// Stop gives up a download that waits for a server that never answers and joins the worker
// at once; nothing is reported, and the connection is closed by the time it returns.
TEST_F(DownloadWorker, StopJoinsTheWorkerWaitingForAStalledServer) {
  httptest::Server server;
  server.Push(httptest::Reply{"", /*silent=*/true});
  ASSERT_TRUE(CDownloadAd::SetServer(server.HostPort()));
  auto worker = std::make_unique<CDownloadAd>();
  worker->SetOwner(&owner_);
  worker->PrepareFolder();
  const std::string folder = worker->Folder();
  ASSERT_TRUE(worker->Start());
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.Accepted() == 1; }, kPatienceMs));
  const auto start = std::chrono::steady_clock::now();
  worker.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));  // only a hang
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.ClosedByPeer() == 1; }, kPatienceMs));
  Settle();
  EXPECT_TRUE(owner_.messages.empty());
  std::ifstream banner(folder + "/veytoolad.gif");
  EXPECT_FALSE(banner.good());
}

// The program's exit: the main window's modal run ends while the download waits for a
// server that never answers; the worker is stopped and joined before the window goes.
TEST_F(DownloadWorker, ClosingTheMainWindowStopsADownloadThatWaits) {
  httptest::Server server;
  server.Push(httptest::Reply{"", /*silent=*/true});
  ASSERT_TRUE(CDownloadAd::SetServer(server.HostPort()));
  CQuorDlg main;
  QElapsedTimer closing;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (server.Accepted() == 1 && !closing.isValid()) {
      closing.start();
      main.Close();
    }
  });
  poll.start(5);
  main.DoModal(nullptr);
  const qint64 took = closing.isValid() ? closing.elapsed() : -1;
  poll.stop();
  EXPECT_FALSE(main.HasWindow());
  ASSERT_GE(took, 0) << "the download never reached the server";
  EXPECT_LT(took, 5000);  // only a hang
  // Its connection is closed: the worker has let go of it.
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.ClosedByPeer() == 1; }, kPatienceMs));
  EXPECT_FALSE(main.picture().IsAnimating());
}

TEST_F(DownloadWorker, GoesAwayInTheMiddleOfTheBody) {
  httptest::Server server;
  server.Push(httptest::Reply{"HTTP/1.0 200 OK\r\n\r\nGIF89a part", false, /*hold_after=*/true});
  ASSERT_TRUE(CDownloadAd::SetServer(server.HostPort()));
  auto worker = std::make_unique<CDownloadAd>();
  worker->SetOwner(&owner_);
  worker->PrepareFolder();
  const std::string folder = worker->Folder();
  ASSERT_TRUE(worker->Start());
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.Accepted() == 1; }, kPatienceMs));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  worker.reset();
  // Nothing of the partial body is left in the folder, right away.
  EXPECT_TRUE(QDir(QString::fromStdString(folder))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .isEmpty());
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.ClosedByPeer() == 1; }, kPatienceMs));
  Settle();
  EXPECT_TRUE(owner_.messages.empty());
}

TEST_F(DownloadWorker, NeedsAnOwner) {
  CDownloadAd worker;
  worker.PrepareFolder();
  EXPECT_FALSE(worker.Start());
  EXPECT_FALSE(worker.Started());
}

TEST(DownloadServer, SetServerTakesOnlyHostAndPort) {
  const std::string before = CDownloadAd::Server();  // the test main's silent server
  EXPECT_TRUE(CDownloadAd::SetServer("127.0.0.1:8080"));
  EXPECT_EQ(CDownloadAd::Server(), "127.0.0.1:8080");
  for (const char* bad : {"", "127.0.0.1", "127.0.0.1:", ":80", "h:70000", "h:8o"}) {
    EXPECT_FALSE(CDownloadAd::SetServer(bad)) << bad;
    EXPECT_EQ(CDownloadAd::Server(), "127.0.0.1:8080");
  }
  EXPECT_TRUE(CDownloadAd::SetServer("[::1]:81"));
  EXPECT_EQ(CDownloadAd::Server(), "[::1]:81");
  EXPECT_TRUE(CDownloadAd::SetServer("www.quorkit.example:80"));
  EXPECT_EQ(CDownloadAd::Server(), "www.quorkit.example:80");
  EXPECT_TRUE(CDownloadAd::SetServer(before));
}

}  // namespace
