// The banner download against HTTP peers on 127.0.0.1.
#include "banner/download.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "tests/banner/gif_fixture.h"
#include "tests/banner/http_server.h"

namespace {

namespace fs = std::filesystem;
using banner::DownloadBanner;
using banner::DownloadCancel;
using banner::DownloadOptions;
using banner::DownloadResult;
using httptest::Lines;
using httptest::Reply;
using httptest::Server;

const std::string kAccept =
    "Accept: audio/x-aiff, audio/basic, audio/midi, audio/mpeg, audio/wav, image/jpeg, "
    "image/gif, image/jpg, image/png, image/mng, image/bmp, text/plain, text/html, text/htm";
const std::string kAcceptEncoding = "Accept-Encoding: identity";

std::string Bytes(const giftest::GifBuilder& gif) {
  return std::string(gif.Data().begin(), gif.Data().end());
}

// A 2 x 2 GIF; `colour` (1 to 3) picks its colour, `comment` pads it.
std::string SmallGif(int colour, const std::string& comment = "") {
  giftest::GifBuilder gif(2, 2, {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF});
  if (!comment.empty()) gif.Comment(comment);
  gif.Image(0, 0, 2, 2, colour).Trailer();
  return Bytes(gif);
}

// A 2 x 2 BMP of 24-bit pixels (rows padded to four bytes).
std::string SmallBmp() {
  const uint8_t head[54] = {'B',  'M',  70, 0, 0, 0, 0,  0, 0, 0, 54,   0,    0, 0,
                            40,   0,    0,  0, 2, 0, 0,  0, 2, 0, 0,    0,    1, 0,
                            24,   0,    0,  0, 0, 0, 16, 0, 0, 0, 0x13, 0x0B, 0, 0,
                            0x13, 0x0B, 0,  0, 0, 0, 0,  0, 0, 0, 0,    0};
  std::string bmp(reinterpret_cast<const char*>(head), sizeof head);
  for (int row = 0; row < 2; ++row) bmp += std::string("\x00\x00\xff\x00\xff\x00\x00\x00", 8);
  return bmp;
}

// `data` as a gzip stream of one stored deflate block.
std::string Gzip(const std::string& data) {
  uint32_t crc = 0xFFFFFFFFu;
  for (const char raw : data) {
    const auto c = static_cast<unsigned char>(raw);
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  crc ^= 0xFFFFFFFFu;
  const auto le32 = [](uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
  };
  const uint16_t n = static_cast<uint16_t>(data.size());
  std::string out("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10);
  out += '\x01';
  out += static_cast<char>(n & 0xFF);
  out += static_cast<char>(n >> 8);
  out += static_cast<char>(~n & 0xFF);
  out += static_cast<char>((~n >> 8) & 0xFF);
  return out + data + le32(crc) + le32(static_cast<uint32_t>(data.size()));
}

std::string Response(const std::string& status, const std::string& headers, const std::string& body,
                     bool with_length = true) {
  std::string text = "HTTP/1.0 " + status + "\r\n" + headers;
  if (with_length) text += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  return text + "\r\n" + body;
}

std::string Redirect(int status, const std::string& header) {
  return Response(std::to_string(status) + " Moved", header + "\r\n", "<a>moved</a>");
}

class BannerDownload : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) unsetenv(name);
    char pattern[] = "/tmp/banner-download-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  DownloadOptions Options(const Server& server) const {
    DownloadOptions options;
    options.host = "127.0.0.1";
    options.port = server.port();
    options.folder = folder_;
    return options;
  }
  std::string BannerPath() const { return folder_ + "/veytoolad.gif"; }
  std::string Banner() const {
    std::ifstream file(BannerPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  void WriteEarlier() const { std::ofstream(BannerPath(), std::ios::binary) << kEarlier; }
  // Names in the banner folder: after any download only the banner itself, if anything.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename());
    }
    return names;
  }
  void ExpectEarlierUntouched() const {
    EXPECT_EQ(Banner(), kEarlier);
    EXPECT_EQ(Entries(), std::vector<std::string>{"veytoolad.gif"});
  }

  const std::string kEarlier = SmallGif(1, "earlier banner");
  std::string folder_;
};

TEST_F(BannerDownload, FirstRequestOnTheWire) {
  Server server;
  server.Push(Response("200 OK", "Content-Type: image/gif\r\n", SmallGif(2)));
  const DownloadResult result = DownloadBanner(Options(server), nullptr);
  EXPECT_EQ(result.status, 200);
  EXPECT_FALSE(result.redirected);
  EXPECT_FALSE(result.not_a_picture);
  ASSERT_EQ(server.Requests().size(), 1u);
  const std::vector<std::string> expected = {
      "GET /ad/veytoolad.gif HTTP/1.0", "Host: " + server.HostPort(), kAccept, kAcceptEncoding,
      "User-Agent: ZevOdiRezo/1.0",
  };
  EXPECT_EQ(Lines(server.Requests()[0]), expected);
  EXPECT_EQ(Banner(), SmallGif(2));
  EXPECT_EQ(Entries(), std::vector<std::string>{"veytoolad.gif"});
}

TEST_F(BannerDownload, PicturesThatArriveWholeReplaceTheBanner) {
  const std::string gif = SmallGif(2, std::string("\0\r\n\xff\x00 binary", 12));
  // Padded with comment blocks to exactly the cap.
  giftest::GifBuilder padded(2, 2, {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF});
  padded.Image(0, 0, 2, 2, 3);
  while (banner::kMaxBannerBytes - padded.Size() - 1 > 250) padded.Comment(std::string(200, 'p'));
  const size_t rest = banner::kMaxBannerBytes - padded.Size() - 1;  // a comment of rest - 4
  padded.Comment(std::string(rest - 4, 'q')).Trailer();
  const std::string at_cap = Bytes(padded);
  ASSERT_EQ(at_cap.size(), banner::kMaxBannerBytes);
  struct Case {
    const char* name;
    std::string reply;
    std::string body;
  } cases[] = {
      {"GIF with length", Response("200 OK", "", gif), gif},
      {"GIF closed by the server", Response("200 OK", "", gif, false), gif},
      {"BMP", Response("200 OK", "Content-Type: image/bmp\r\n", SmallBmp()), SmallBmp()},
      {"exactly at the cap", Response("200 OK", "", at_cap), at_cap},
      {"at the cap, no length", Response("200 OK", "", at_cap, false), at_cap},
      {"HTTP/1.1 answer",
       "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(gif.size()) + "\r\n\r\n" + gif, gif},
      {"identity encoding", Response("200 OK", "Content-Encoding: identity\r\n", gif), gif},
  };
  for (const Case& c : cases) {
    WriteEarlier();
    Server server;
    server.Push(c.reply);
    const DownloadResult result = DownloadBanner(Options(server), nullptr);
    EXPECT_EQ(result.status, 200) << c.name;
    EXPECT_FALSE(result.not_a_picture) << c.name;
    EXPECT_TRUE(Banner() == c.body) << c.name;
    EXPECT_EQ(Entries(), std::vector<std::string>{"veytoolad.gif"}) << c.name;
  }
}

TEST_F(BannerDownload, OnlyAPictureReplacesTheBanner) {
  const std::string gif = SmallGif(2);
  giftest::GifBuilder huge(8000, 8000, {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF});
  huge.Image(0, 0, 2, 2, 1).Trailer();
  giftest::GifBuilder many(8, 8, {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF});
  for (int i = 0; i < 4097; ++i) many.Control(0, 10).Image(0, 0, 1, 1, 1);
  many.Trailer();
  std::string big_bmp = SmallBmp();
  big_bmp[18] = '\x40';  // 8000 x 8000 announced
  big_bmp[19] = '\x1f';
  big_bmp[22] = '\x40';
  big_bmp[23] = '\x1f';
  const std::string html =
      "<html><head><title>Sign in</title></head><body>Log in to the network</body></html>";
  struct Case {
    const char* name;
    std::string reply;
  } cases[] = {
      {"captive portal page", Response("200 OK", "Content-Type: text/html\r\n", html)},
      {"gzip-encoded GIF", Response("200 OK", "Content-Encoding: gzip\r\n", Gzip(gif))},
      {"close-delimited GIF cut short",
       Response("200 OK", "", gif.substr(0, gif.size() - 6), false)},
      {"GIF without its trailer", Response("200 OK", "", gif.substr(0, gif.size() - 1))},
      {"empty body", Response("200 OK", "", "")},
      {"GIF signature only", Response("200 OK", "", "GIF89a")},
      {"GIF screen over 4096", Response("200 OK", "", Bytes(huge))},
      {"GIF of 4097 frames", Response("200 OK", "", Bytes(many))},
      {"BMP of 8000 x 8000", Response("200 OK", "", big_bmp)},
      {"BMP header only", Response("200 OK", "", SmallBmp().substr(0, 20))},
  };
  for (const Case& c : cases) {
    WriteEarlier();
    Server server;
    server.Push(c.reply);
    const DownloadResult result = DownloadBanner(Options(server), nullptr);
    EXPECT_EQ(result.status, 0) << c.name;
    EXPECT_TRUE(result.not_a_picture) << c.name;
    ExpectEarlierUntouched();
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(Lines(server.Requests()[0])[3], kAcceptEncoding) << c.name;
  }
}

TEST_F(BannerDownload, TheDecoderHasTheLastWord) {
  const std::string gif = SmallGif(3);
  for (const bool decodes : {false, true}) {
    WriteEarlier();
    Server server;
    server.Push(Response("200 OK", "", gif));
    DownloadOptions options = Options(server);
    std::vector<size_t> asked;
    options.decode = [&](const uint8_t*, size_t size) {
      asked.push_back(size);
      return decodes;
    };
    const DownloadResult result = DownloadBanner(options, nullptr);
    EXPECT_EQ(result.status, decodes ? 200 : 0);
    EXPECT_EQ(result.not_a_picture, !decodes);
    EXPECT_EQ(Banner(), decodes ? gif : kEarlier);
    // A GIF of one image is decoded whole, as the picture control decodes it.
    EXPECT_EQ(asked, std::vector<size_t>{gif.size()});
  }
}

TEST_F(BannerDownload, FailuresLeaveTheEarlierBannerAlone) {
  const std::string over(banner::kMaxBannerBytes + 1, 'x');
  struct Case {
    const char* name;
    Reply reply;
    int status;
  } cases[] = {
      {"404", {Response("404 Not Found", "", "no such banner")}, 404},
      {"401", {Response("401 Unauthorized", "WWW-Authenticate: Basic\r\n", "")}, 401},
      {"500", {Response("500 Oops", "", "")}, 500},
      {"304", {Response("304 Not Modified", "", "", false)}, 304},
      {"body cut off",
       {"HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + std::string(500, 'g')},
       0},
      {"over the cap with length", {Response("200 OK", "", over)}, 0},
      {"over the cap, no length", {Response("200 OK", "", over, false)}, 0},
      {"length beyond any number",
       {"HTTP/1.0 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\nabc"},
       0},
      {"no status line", {"GIF89a just bytes"}, 0},
      {"closed at once", {""}, 0},
  };
  for (const Case& c : cases) {
    WriteEarlier();
    Server server;
    server.Push(c.reply);
    EXPECT_EQ(DownloadBanner(Options(server), nullptr).status, c.status) << c.name;
    ExpectEarlierUntouched();
  }
}

TEST_F(BannerDownload, OneRedirectionIsFollowed) {
  struct Case {
    int status;
    const char* header;
  } cases[] = {
      {301, "Location: http://127.0.0.1:%d/new/banner.gif?size=500x60&v=2"},
      {302,
       "Content-Location: /nowhere\r\nLocation: "
       "http://127.0.0.1:%d/new/banner.gif?size=500x60&v=2"},
      {303, "location:   http://127.0.0.1:%d/new/banner.gif?size=500x60&v=2#top  "},
      {302, "LOCATION: HTTP://user@127.0.0.1:%d/new/banner.gif?size=500x60&v=2"},
  };
  for (const Case& c : cases) {
    WriteEarlier();
    Server first, second;
    char header[200];
    std::snprintf(header, sizeof header, c.header, second.port());
    first.Push(Redirect(c.status, header));
    second.Push(Response("200 OK", "", SmallGif(3)));
    const DownloadResult result = DownloadBanner(Options(first), nullptr);
    EXPECT_EQ(result.status, 200) << header;
    EXPECT_TRUE(result.redirected);
    EXPECT_EQ(Banner(), SmallGif(3)) << header;
    EXPECT_EQ(Entries(), std::vector<std::string>{"veytoolad.gif"});
    ASSERT_EQ(second.Requests().size(), 1u) << header;
    const std::vector<std::string> expected = {
        "GET /new/banner.gif?size=500x60&v=2 HTTP/1.0",
        "Host: " + second.HostPort(),
        "User-Agent: ZIRUvi",
        kAccept,
        kAcceptEncoding,
    };
    EXPECT_EQ(Lines(second.Requests()[0]), expected) << header;
  }
}

TEST_F(BannerDownload, ASecondRedirectionIsNotFollowed) {
  WriteEarlier();
  Server first, second, third;
  first.Push(Redirect(302, "Location: http://" + second.HostPort() + "/b.gif"));
  second.Push(Redirect(301, "Location: http://" + third.HostPort() + "/c.gif"));
  third.Push(Response("200 OK", "", "never"));
  EXPECT_EQ(DownloadBanner(Options(first), nullptr).status, 301);
  EXPECT_EQ(third.Accepted(), 0);
  ExpectEarlierUntouched();
}

TEST_F(BannerDownload, RedirectionsThatCannotBeFollowed) {
  const char* headers[] = {
      "Content-Location: http://127.0.0.1:%d/b.gif",  // not a Location
      "X-Location: http://127.0.0.1:%d/b.gif",
      "Location:",
      "Location: /relative/b.gif",
      "Location: ftp://127.0.0.1:%d/b.gif",
      "Location: http://127.0.0.1:99999/b.gif",
      "Location: http://:%d/b.gif",
      "Location: http://127.0.0.1:%d/with space.gif",
  };
  for (const char* format : headers) {
    WriteEarlier();
    Server first, second;
    char header[200];
    std::snprintf(header, sizeof header, format, second.port());
    first.Push(Redirect(302, header));
    second.Push(Response("200 OK", "", "never"));
    EXPECT_EQ(DownloadBanner(Options(first), nullptr).status, 0) << header;
    EXPECT_EQ(second.Accepted(), 0) << header;
    ExpectEarlierUntouched();
  }
}

TEST_F(BannerDownload, RedirectedRequestThatFails) {
  WriteEarlier();
  Server first, second;
  first.Push(Redirect(302, "Location: http://" + second.HostPort() + "/b.gif"));
  second.Push(Response("404 Not Found", "", ""));
  EXPECT_EQ(DownloadBanner(Options(first), nullptr).status, 404);
  ExpectEarlierUntouched();
}

TEST_F(BannerDownload, RefusedConnectionIsTriedTwice) {
  WriteEarlier();
  DownloadOptions options;
  options.host = "127.0.0.1";
  options.port = Server::RefusingPort();
  options.folder = folder_;
  const DownloadResult result = DownloadBanner(options, nullptr);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.connect_attempts, 2);
  ExpectEarlierUntouched();
}

TEST_F(BannerDownload, CancelEndsAStalledDownload) {
  struct Case {
    const char* name;
    Reply reply;
  } cases[] = {
      {"no answer", {"", /*silent=*/true}},
      {"body stops", {"HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nGIF89a", false, true}},
      {"no length", {"HTTP/1.0 200 OK\r\n\r\nGIF89a", false, true}},
  };
  for (const Case& c : cases) {
    WriteEarlier();
    Server server;
    server.Push(c.reply);
    DownloadCancel cancel;
    DownloadResult result;
    std::thread worker([&] { result = DownloadBanner(Options(server), &cancel); });
    while (server.Accepted() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    cancel.Cancel();
    // The temporary file goes at once, whatever the worker does next.
    ExpectEarlierUntouched();
    worker.join();
    EXPECT_EQ(result.status, 0) << c.name;
    // The server thread sees the close in its own time.
    for (int i = 0; i < 500 && server.ClosedByPeer() == 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(server.ClosedByPeer(), 1) << c.name;
    ExpectEarlierUntouched();
  }
}

// A cancel also ends the waits in which nothing is received: a connect that is never
// answered (30 s of connect time-out) and the pause before the second attempt (1 s).
TEST_F(BannerDownload, CancelEndsTheConnectAndThePauseBeforeTheRetry) {
  httptest::UnansweredListener unanswered;
  ASSERT_TRUE(unanswered.ok());
  struct Case {
    const char* name;
    int port;
    long retry_delay_ms;
  } cases[] = {
      {"connect not answered", unanswered.port(), 1000},
      {"pause after a refused connect", Server::RefusingPort(), 60000},
  };
  for (const Case& c : cases) {
    WriteEarlier();
    DownloadOptions options;
    options.host = "127.0.0.1";
    options.port = c.port;
    options.folder = folder_;
    options.retry_delay_ms = c.retry_delay_ms;
    DownloadCancel cancel;
    DownloadResult result;
    std::thread worker([&] { result = DownloadBanner(options, &cancel); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto start = std::chrono::steady_clock::now();
    cancel.Cancel();
    worker.join();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.status, 0) << c.name;
    EXPECT_EQ(result.connect_attempts, 1) << c.name;
    EXPECT_LT(took, std::chrono::seconds(5)) << c.name;  // only a hang; bench/ measures it
    ExpectEarlierUntouched();
  }
}

TEST_F(BannerDownload, MissingFolderFails) {
  Server server;
  server.Push(Response("200 OK", "", "abc"));
  DownloadOptions options = Options(server);
  options.folder = folder_ + "/not-there";
  EXPECT_EQ(DownloadBanner(options, nullptr).status, 0);
  options.folder.clear();
  EXPECT_EQ(DownloadBanner(options, nullptr).status, 0);
}

TEST(BannerUrls, FindLocation) {
  struct Case {
    const char* headers;
    bool found;
    const char* value;
  } cases[] = {
      {"HTTP/1.0 302 Found\r\nLocation: http://a/b\r\n\r\n", true, "http://a/b"},
      {"HTTP/1.0 302 Found\r\nlocation:http://a/b\r\n\r\n", true, "http://a/b"},
      {"HTTP/1.0 302 Found\r\nContent-Location: http://x/\r\nlOcAtIoN: \thttp://a/b \r\n", true,
       "http://a/b"},
      {"HTTP/1.0 302 Found\r\nLocation: http://first/\r\nLocation: http://second/\r\n", true,
       "http://first/"},
      {"HTTP/1.0 302 Found\r\nContent-Location: http://x/\r\n\r\n", false, ""},
      {"HTTP/1.0 302 Location: http://status-line/\r\n\r\n", false, ""},
      {"HTTP/1.0 302 Found\r\nLocation :http://a/\r\n\r\n", false, ""},
      {"HTTP/1.0 302 Found\r\nLocation:   \r\n\r\n", false, ""},
      {"", false, ""},
  };
  for (const Case& c : cases) {
    std::string value;
    EXPECT_EQ(banner::FindLocation(c.headers, &value), c.found) << c.headers;
    if (c.found) {
      EXPECT_EQ(value, c.value) << c.headers;
    }
  }
}

TEST(BannerUrls, SplitUrl) {
  struct Case {
    const char* url;
    bool ok;
    const char* host;
    int port;
    const char* object;
  } cases[] = {
      {"http://www.quorkit.example/ad/new.gif", true, "www.quorkit.example", 80, "/ad/new.gif"},
      {"http://h:8080/a?b=c&d", true, "h", 8080, "/a?b=c&d"},
      {"https://h/a", true, "h", 443, "/a"},
      {"HTTP://h", true, "h", 80, "/"},
      {"http://h?q=1", true, "h", 80, "/?q=1"},
      {"http://h/a#frag", true, "h", 80, "/a"},
      {"http://u:p@h:81/a", true, "h", 81, "/a"},
      {"http://[::1]:8080/a", true, "::1", 8080, "/a"},
      {"http://[::1]/a", true, "::1", 80, "/a"},
      {"/a", false, "", 0, ""},
      {"h/a", false, "", 0, ""},
      {"ftp://h/a", false, "", 0, ""},
      {"http:///a", false, "", 0, ""},
      {"http://h:0/a", false, "", 0, ""},
      {"http://h:65536/a", false, "", 0, ""},
      {"http://h:x/a", false, "", 0, ""},
      {"http://::1/a", false, "", 0, ""},
      {"http://h/a b", false, "", 0, ""},
      {"http://h/a\x01", false, "", 0, ""},
  };
  for (const Case& c : cases) {
    banner::UrlParts parts;
    EXPECT_EQ(banner::SplitUrl(c.url, &parts), c.ok) << c.url;
    if (!c.ok) continue;
    EXPECT_EQ(parts.host, c.host) << c.url;
    EXPECT_EQ(parts.port, c.port) << c.url;
    EXPECT_EQ(parts.object, c.object) << c.url;
  }
}

TEST(BannerUrls, ParseHostPort) {
  struct Case {
    const char* text;
    bool ok;
    const char* host;
    int port;
  } cases[] = {
      {"127.0.0.1:8080", true, "127.0.0.1", 8080},
      {"www.quorkit.example:80", true, "www.quorkit.example", 80},
      {"[::1]:65535", true, "::1", 65535},
      {"localhost:1", true, "localhost", 1},
      {"localhost", false, "", 0},
      {"localhost:", false, "", 0},
      {":80", false, "", 0},
      {"h:0", false, "", 0},
      {"h:65536", false, "", 0},
      {"h:+80", false, "", 0},
      {"h:80x", false, "", 0},
      {"::1:80", false, "", 0},
      {"[::1]", false, "", 0},
      {"a b:80", false, "", 0},
      {"a/b:80", false, "", 0},
  };
  for (const Case& c : cases) {
    std::string host;
    int port = 0;
    EXPECT_EQ(banner::ParseHostPort(c.text, &host, &port), c.ok) << c.text;
    if (!c.ok) continue;
    EXPECT_EQ(host, c.host) << c.text;
    EXPECT_EQ(port, c.port) << c.text;
  }
}

}  // namespace
