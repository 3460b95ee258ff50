#include "banner/download.h"

#include <curl/curl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "banner/BannerFolder.h"

namespace banner {

void DownloadCancel::Cancel() {
  std::lock_guard<std::mutex> lock(mutex_);
  cancelled_ = true;
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
  if (wake_) wake_();
  changed_.notify_all();
}

void DownloadCancel::SetWaker(std::function<void()> wake) {
  std::lock_guard<std::mutex> lock(mutex_);
  wake_ = std::move(wake);
}

bool DownloadCancel::Pause(long ms) {
  std::unique_lock<std::mutex> lock(mutex_);
  return !changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return cancelled_; });
}

bool DownloadCancel::IsCancelled() {
  std::lock_guard<std::mutex> lock(mutex_);
  return cancelled_;
}

bool DownloadCancel::SetTemporary(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (cancelled_) return false;
  temporary_ = path;
  return true;
}

void DownloadCancel::DropTemporary() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

bool DownloadCancel::CommitTemporary(const std::string& target) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (temporary_.empty()) return false;
  const bool renamed = !cancelled_ && rename(temporary_.c_str(), target.c_str()) == 0;
  if (!renamed) unlink(temporary_.c_str());
  temporary_.clear();
  return renamed;
}

namespace {

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return i == a.size() && b[i] == 0;
}

std::string TrimBlanks(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r' ||
                         text[end - 1] == '\n')) {
    --end;
  }
  return text.substr(begin, end - begin);
}

// The value of the first header called `name` (any case) in raw header text.
bool FindHeader(const std::string& headers, const char* name, std::string* value) {
  size_t at = headers.find('\n');  // the status line is no header
  while (at != std::string::npos && at + 1 < headers.size()) {
    const size_t start = at + 1;
    at = headers.find('\n', start);
    const std::string line =
        headers.substr(start, at == std::string::npos ? std::string::npos : at - start);
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    if (SameName(line.substr(0, colon), name)) {
      *value = TrimBlanks(line.substr(colon + 1));
      return true;
    }
  }
  return false;
}

bool ParsePort(const std::string& text, int* port) {
  if (text.empty() || text.size() > 5) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > 65535) return false;
  *port = value;
  return true;
}

bool ValidHost(const std::string& host) {
  if (host.empty()) return false;
  for (const char raw : host) {
    const auto c = static_cast<unsigned char>(raw);
    if (c <= 0x20 || c == 0x7F || c == '/' || c == '?' || c == '#' || c == '@' || c == '[' ||
        c == ']' || c == '\\') {
      return false;
    }
  }
  return true;
}

// Splits "host:port" or "[v6]:port" (the port may be left out when `default_port` > 0).
bool SplitAuthority(const std::string& text, int default_port, std::string* host, int* port) {
  std::string name;
  std::string port_text;
  bool has_port = false;
  if (!text.empty() && text[0] == '[') {
    const size_t close = text.find(']');
    if (close == std::string::npos) return false;
    name = text.substr(1, close - 1);
    if (close + 1 < text.size()) {
      if (text[close + 1] != ':') return false;
      port_text = text.substr(close + 2);
      has_port = true;
    }
    if (name.find(':') == std::string::npos) return false;
  } else {
    const size_t colon = text.rfind(':');
    if (colon != std::string::npos) {
      name = text.substr(0, colon);
      port_text = text.substr(colon + 1);
      has_port = true;
      if (name.find(':') != std::string::npos) return false;  // a bare IPv6 address
    } else {
      name = text;
    }
  }
  if (!ValidHost(name)) return false;
  int value = default_port;
  if (has_port && !ParsePort(port_text, &value)) return false;
  if (value <= 0) return false;
  *host = name;
  *port = value;
  return true;
}

std::string MakeUrl(const std::string& host, int port, const std::string& object) {
  const bool v6 = host.find(':') != std::string::npos;
  return "http://" + (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port) + object;
}

// One request and its response. Only a status 200 body is kept, in a temporary file.
class Exchange {
 public:
  Exchange(const DownloadOptions& options, DownloadCancel* cancel)
      : options_(options), cancel_(cancel) {}
  ~Exchange() { Discard(); }

  // False when the transfer failed (no status to report).
  bool Run(const std::string& url, bool first_request, int* attempts) {
    for (int attempt = 1;; ++attempt) {
      *attempts = attempt;
      Reset();
      bool connected = false;
      const CURLcode code = Perform(url, first_request, &connected);
      if (code == CURLE_OK || stopped_after_headers_) return true;
      Discard();
      const bool connect_failed =
          code == CURLE_COULDNT_CONNECT || (code == CURLE_OPERATION_TIMEDOUT && !connected);
      if (!connect_failed || attempt >= 2 || !cancel_->Pause(options_.retry_delay_ms)) return false;
    }
  }

  long status() const { return status_; }
  const std::string& headers() const { return headers_; }

  // Moves the complete 200 body over the banner file, if it is a picture.
  bool Save(const std::string& target, bool* not_a_picture) {
    if (status_ != 200 || file_ == nullptr) return false;
    if (cancel_->IsCancelled()) {  // neither decoded nor synced for nobody
      Discard();
      return false;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(body_.data());
    if (!IsShowablePicture(bytes, body_.size(), options_.decode)) {
      *not_a_picture = true;
      Discard();
      return false;
    }
    // Renamed while still open: the lock on it keeps another run's clean-up away until then.
    const bool flushed = std::fflush(file_) == 0 && fsync(fileno(file_)) == 0;
    const bool renamed = flushed && cancel_->CommitTemporary(target);
    if (!flushed) cancel_->DropTemporary();
    std::fclose(file_);
    file_ = nullptr;
    return renamed;
  }

 private:
  void Reset() {
    status_ = 0;
    headers_.clear();
    stopped_after_headers_ = false;
    body_bytes_ = 0;
    body_.clear();
  }

  void Discard() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    cancel_->DropTemporary();
  }

  CURLcode Perform(const std::string& url, bool first_request, bool* connected) {
    CURL* curl = curl_easy_init();
    if (curl == nullptr) return CURLE_FAILED_INIT;
    curl_slist* headers = curl_slist_append(nullptr, kAcceptHeader);
    if (headers) headers = curl_slist_append(headers, kAcceptEncodingHeader);
    if (first_request && headers) headers = curl_slist_append(headers, kUserAgentHeader);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, kAgentName);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    // The body is kept exactly as it arrives; an encoded one is then no picture.
    curl_easy_setopt(curl, CURLOPT_HTTP_CONTENT_DECODING, 0L);
    curl_easy_setopt(curl, CURLOPT_HTTP_TRANSFER_DECODING, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, options_.connect_timeout_ms);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, options_.stall_seconds);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &Exchange::OnHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Exchange::OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Exchange::OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
    // A name lookup under way when the download is given up is left to finish on its own
    // instead of being waited for.
    curl_easy_setopt(curl, CURLOPT_QUICK_EXIT, 1L);
    const CURLcode code = headers ? Transfer(curl) : CURLE_OUT_OF_MEMORY;
    curl_off_t connect_time = 0;
    curl_easy_getinfo(curl, CURLINFO_CONNECT_TIME_T, &connect_time);
    *connected = connect_time > 0;
    curl_easy_cleanup(curl);
    curl_slist_free_all(headers);
    return code;
  }

  // Runs the transfer in steps of at most kStepMs, so that a cancel ends it soon even while
  // nothing arrives; Cancel also wakes the wait at once.
  CURLcode Transfer(CURL* curl) {
    constexpr int kStepMs = 100;
    CURLM* multi = curl_multi_init();
    if (multi == nullptr) return CURLE_OUT_OF_MEMORY;
    if (curl_multi_add_handle(multi, curl) != CURLM_OK) {
      curl_multi_cleanup(multi);
      return CURLE_OUT_OF_MEMORY;
    }
    cancel_->SetWaker([multi] { curl_multi_wakeup(multi); });
    CURLcode code = CURLE_ABORTED_BY_CALLBACK;
    for (;;) {
      int running = 0;
      if (curl_multi_perform(multi, &running) != CURLM_OK) {
        code = CURLE_RECV_ERROR;
        break;
      }
      if (running == 0) {
        int left = 0;
        while (const CURLMsg* message = curl_multi_info_read(multi, &left)) {
          if (message->msg == CURLMSG_DONE) code = message->data.result;
        }
        break;
      }
      if (cancel_->IsCancelled()) break;
      if (curl_multi_poll(multi, nullptr, 0, kStepMs, nullptr) != CURLM_OK) {
        code = CURLE_RECV_ERROR;
        break;
      }
    }
    cancel_->SetWaker(nullptr);
    curl_multi_remove_handle(multi, curl);
    curl_multi_cleanup(multi);
    return code;
  }

  static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
    return static_cast<Exchange*>(self)->Header(std::string(data, size * count));
  }
  static size_t OnBody(char* data, size_t size, size_t count, void* self) {
    return static_cast<Exchange*>(self)->Body(data, size * count);
  }
  static int OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<Exchange*>(self)->cancel_->IsCancelled() ? 1 : 0;
  }

  size_t Header(const std::string& line) {
    if (line.compare(0, 5, "HTTP/") == 0) {
      // A new response (after an interim 1xx one) starts over.
      status_ = 0;
      const size_t space = line.find(' ');
      if (space != std::string::npos) status_ = std::strtol(line.c_str() + space + 1, nullptr, 10);
      headers_ = line;
      return line.size();
    }
    headers_ += line;
    if (line != "\r\n" && line != "\n") return line.size();
    if (status_ >= 100 && status_ < 200) return line.size();
    // The header block is complete. Only the body of a 200 is wanted.
    if (status_ != 200) {
      stopped_after_headers_ = true;
      return 0;
    }
    std::string length;
    if (FindHeader(headers_, "Content-Length", &length)) {
      char* end = nullptr;
      errno = 0;
      const unsigned long long announced = std::strtoull(length.c_str(), &end, 10);
      if (errno == ERANGE || announced > options_.max_body) return 0;
    }
    return OpenTemporary() ? line.size() : 0;
  }

  size_t Body(const char* data, size_t n) {
    if (file_ == nullptr) return 0;
    if (n > options_.max_body - body_bytes_) return 0;  // over the cap
    body_bytes_ += n;
    body_.append(data, n);
    return std::fwrite(data, 1, n, file_) == n ? n : 0;
  }

  bool OpenTemporary() {
    if (options_.folder.empty()) return false;
    std::string path = options_.folder + "/" + TemporaryPattern();
    const int fd = mkstemp(path.data());
    if (fd < 0) return false;
    // Held until the file is renamed or removed: a file of this name without a lock on it
    // was left by a run that was killed (PrepareBannerFolder removes those).
    flock(fd, LOCK_EX | LOCK_NB);
    if (!cancel_->SetTemporary(path)) {
      close(fd);
      unlink(path.c_str());
      return false;
    }
    fchmod(fd, 0644);
    file_ = fdopen(fd, "wb");
    if (file_ == nullptr) {
      close(fd);
      cancel_->DropTemporary();
      return false;
    }
    return true;
  }

  const DownloadOptions& options_;
  DownloadCancel* cancel_;
  long status_ = 0;
  std::string headers_;
  bool stopped_after_headers_ = false;
  size_t body_bytes_ = 0;
  std::string body_;  // what the file holds, for the picture check
  std::FILE* file_ = nullptr;
};

}  // namespace

void PrepareDownloads() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

DownloadResult DownloadBanner(const DownloadOptions& options, DownloadCancel* cancel) {
  DownloadCancel own_cancel;
  if (cancel == nullptr) cancel = &own_cancel;
  DownloadResult result;
  if (options.folder.empty() || cancel->IsCancelled()) return result;
  PrepareDownloads();
  const std::string target = options.folder + "/" + kBannerFileName;

  Exchange first(options, cancel);
  if (!first.Run(MakeUrl(options.host, options.port, "/ad/veytoolad.gif"), true,
                 &result.connect_attempts)) {
    return result;
  }
  const long status = first.status();
  if (status == 200) {
    result.status = first.Save(target, &result.not_a_picture) ? 200 : 0;
    return result;
  }
  if (status != 301 && status != 302 && status != 303) {
    result.status = static_cast<int>(status);
    return result;
  }
  std::string location;
  UrlParts parts;
  if (!FindLocation(first.headers(), &location) || !SplitUrl(location, &parts)) return result;
  result.redirected = true;
  Exchange second(options, cancel);
  int attempts = 0;
  if (!second.Run(MakeUrl(parts.host, parts.port, parts.object), false, &attempts)) return result;
  if (second.status() == 200) {
    result.status = second.Save(target, &result.not_a_picture) ? 200 : 0;
  } else {
    result.status = static_cast<int>(second.status());
  }
  return result;
}

bool ParseHostPort(const std::string& text, std::string* host, int* port) {
  std::string name;
  int value = 0;
  if (!SplitAuthority(text, 0, &name, &value)) return false;
  *host = name;
  *port = value;
  return true;
}

bool FindLocation(const std::string& headers, std::string* location) {
  std::string value;
  if (!FindHeader(headers, "Location", &value) || value.empty()) return false;
  *location = value;
  return true;
}

bool SplitUrl(const std::string& url, UrlParts* parts) {
  const size_t scheme_end = url.find("://");
  if (scheme_end == std::string::npos) return false;
  const std::string scheme = url.substr(0, scheme_end);
  int default_port;
  if (SameName(scheme, "http")) {
    default_port = 80;
  } else if (SameName(scheme, "https")) {
    default_port = 443;
  } else {
    return false;
  }
  const size_t start = scheme_end + 3;
  size_t end = url.find_first_of("/?#", start);
  if (end == std::string::npos) end = url.size();
  std::string authority = url.substr(start, end - start);
  const size_t at = authority.rfind('@');
  if (at != std::string::npos) authority.erase(0, at + 1);
  UrlParts split;
  if (!SplitAuthority(authority, default_port, &split.host, &split.port)) return false;
  std::string object = url.substr(end);
  const size_t hash = object.find('#');
  if (hash != std::string::npos) object.erase(hash);
  if (object.empty() || object[0] != '/') object.insert(0, "/");
  for (const char raw : object) {
    const auto c = static_cast<unsigned char>(raw);
    if (c <= 0x20 || c == 0x7F) return false;
  }
  *parts = split;
  parts->object = object;
  return true;
}

}  // namespace banner
