// The banner download: one HTTP/1.0 GET of the banner picture from the maker's server, at
// most one redirection followed, the body saved into the banner folder only when it arrived
// whole with status 200 and is a picture that the picture control can show. Plain C++ over libcurl;
// runs on whatever thread calls it.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>

#include "banner/picturecheck.h"

namespace banner {

constexpr const char* kDefaultServerHost = "www.quorkit.example";
constexpr int kDefaultServerPort = 80;
constexpr size_t kMaxBannerBytes = 4u * 1024 * 1024;

// Sent with both requests.
constexpr const char* kAcceptHeader =
    "Accept: audio/x-aiff, audio/basic, audio/midi, audio/mpeg, audio/wav, image/jpeg, "
    "image/gif, image/jpg, image/png, image/mng, image/bmp, text/plain, text/html, text/htm";
// Sent with both requests: the body is to arrive as the picture itself, never packed.
constexpr const char* kAcceptEncodingHeader = "Accept-Encoding: identity";
// Sent with the first request only; the redirected one carries the client's agent name.
constexpr const char* kUserAgentHeader = "User-Agent: ZevOdiRezo/1.0";
constexpr const char* kAgentName = "ZIRUvi";

// Lets another thread give up on a running download: it ends within 100 ms (the transfer,
// a connect under way and the pause between connection attempts all wake on it), and the
// temporary file it may be writing is removed at once.
class DownloadCancel {
 public:
  void Cancel();
  bool IsCancelled();

  // Used by the download: false when already cancelled.
  bool SetTemporary(const std::string& path);
  // Removes the temporary file (if it still exists) and forgets it.
  void DropTemporary();
  // Renames the temporary file to `target` unless cancelled; false when that did not happen
  // (the temporary file is then removed).
  bool CommitTemporary(const std::string& target);
  // Used by the download: `wake` is run by Cancel while it is set (from the cancelling
  // thread), to end a wait of the transfer at once.
  void SetWaker(std::function<void()> wake);
  // Waits `ms` milliseconds; false at once when cancelled.
  bool Pause(long ms);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool cancelled_ = false;
  std::string temporary_;
  std::function<void()> wake_;
};

struct DownloadOptions {
  std::string host = kDefaultServerHost;
  int port = kDefaultServerPort;
  std::string folder;  // the banner folder; the file is kBannerFileName in it
  long connect_timeout_ms = 30000;
  long retry_delay_ms = 1000;
  size_t max_body = kMaxBannerBytes;
  // A transfer that receives nothing for this long is given up.
  long stall_seconds = 60;
  // Decodes the body as the picture control would (IsShowablePicture); without one only
  // the picture's layout is checked.
  PictureDecoder decode;
};

struct DownloadResult {
  // The final HTTP status, or 0 on a failure without one. 200 only when the banner file was
  // replaced by the complete body.
  int status = 0;
  int connect_attempts = 0;  // of the first request
  bool redirected = false;
  // A whole status-200 body arrived but was no picture that the banner can show; the
  // banner file was left as it was.
  bool not_a_picture = false;
};

// Sets up the HTTP client once. Not thread-safe against other threads' use of it, so the
// user-interface thread calls it before any worker starts (DownloadBanner calls it too).
void PrepareDownloads();

DownloadResult DownloadBanner(const DownloadOptions& options, DownloadCancel* cancel);

// "HOST:PORT" (an IPv6 host in brackets) with a port of 1 to 65535.
bool ParseHostPort(const std::string& text, std::string* host, int* port);

// The value of the first header named Location (any case) in raw response header text;
// false when there is none or it is empty.
bool FindLocation(const std::string& headers, std::string* location);

// Splits an absolute http or https URL into server, port and object (path and query, the
// fragment dropped). The port is the URL's, else that of its scheme.
struct UrlParts {
  std::string host;
  int port = 0;
  std::string object;
};
bool SplitUrl(const std::string& url, UrlParts* parts);

}  // namespace banner
