#include "app/drive/Console.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <set>
#include <sstream>

#include "app/CQuorDlg.h"
#include "tools/protocol/comport.h"
#include "winsys/Dialog.h"

namespace drive {

namespace {

// Runs everything queued for this thread so far: calls that workers posted (they may arrive
// while a command is itself running as a queued call, where the event loop would not hand
// them out again) and then the window system's events.
void DeliverPosted() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents();
}

void Print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

bool ParseInt(const std::string& text, int* value) {
  if (text.empty()) return false;
  size_t used = 0;
  try {
    *value = std::stoi(text, &used, 10);
  } catch (...) {
    return false;
  }
  return used == text.size();
}

// Parses a JSON string literal; false when `text` is not exactly one.
bool ParseJsonString(const std::string& text, std::string* value) {
  QJsonParseError error;
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray::fromStdString("[" + text + "]"), &error);
  if (error.error != QJsonParseError::NoError || !document.isArray()) return false;
  const QJsonArray array = document.array();
  if (array.size() != 1 || !array.at(0).isString()) return false;
  *value = array.at(0).toString().toStdString();
  return true;
}

// Splits off the first word; the rest keeps its inner blanks.
std::string TakeWord(std::string* rest) {
  size_t start = rest->find_first_not_of(' ');
  if (start == std::string::npos) {
    rest->clear();
    return std::string();
  }
  size_t end = rest->find(' ', start);
  std::string word =
      rest->substr(start, end == std::string::npos ? std::string::npos : end - start);
  *rest = end == std::string::npos ? std::string() : rest->substr(end + 1);
  return word;
}

// A plain word as it is; anything else (bytes that are not printable ASCII, quotes,
// backslashes) as a JSON string, so raw input never reaches the output.
std::string QuotedWord(const std::string& word) {
  for (const char ch : word) {
    if (ch <= ' ' || ch > '~' || ch == '"' || ch == '\\') return JsonString(word);
  }
  return word.empty() ? JsonString(word) : word;
}

}  // namespace

Console::Console(std::vector<std::string> lines, CQuorDlg* main_dialog)
    : lines_(std::move(lines)), main_(main_dialog), current_(main_dialog) {
  prompter_.on_message = [](const winsys::ScriptedPrompter::Message& message) {
    Print("message {\"title\": " + JsonString(message.title) +
          ", \"text\": " + JsonString(message.text) + "}");
  };
  winsys::InstallPrompter(&prompter_);
  winsys::SetMisuseHandler([this](const std::string& what) { Error(JsonString(what)); });
  winsys::SetModalObserver([this](winsys::Dialog* dialog, bool opened) {
    if (opened) {
      if (dialog != main_) modal_.push_back(dialog);  // the main window's own run blocks none
      previous_.push_back(current_);
      current_ = dialog;
      ScheduleStep();  // the script goes on inside the modal run
    } else {
      if (!modal_.empty() && modal_.back() == dialog) modal_.pop_back();
      ReturnToPrevious();
    }
  });
}

Console::~Console() {
  winsys::SetMisuseHandler(nullptr);
  winsys::SetModalObserver(nullptr);
  winsys::InstallPrompter(nullptr);
}

void Console::Start() {
  ScheduleStep();
}

void Console::ScheduleStep() {
  if (pending_ || finished_) return;
  pending_ = true;
  QTimer::singleShot(0, this, [this] { Step(); });
}

void Console::Step() {
  pending_ = false;
  if (finished_) return;
  if (next_ >= lines_.size()) {
    Finish();
    return;
  }
  std::string line = lines_[next_++];
  if (!line.empty() && line.back() == '\r') line.pop_back();
  Execute(line);
  ScheduleStep();
}

void Console::Finish() {
  finished_ = true;
  QCoreApplication::exit(exit_status());
}

void Console::RunAfterMainClosed() {
  main_closed_ = true;
  finished_ = false;
  while (next_ < lines_.size()) {
    std::string line = lines_[next_++];
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string rest = line;
    const std::string command = TakeWord(&rest);
    if (command.empty() || command[0] == '#') continue;
    Error(JsonString(command) + ": the main window is closed");
  }
  finished_ = true;
}

// Back to the window that was current before the one that closed, skipping windows that
// are gone or hidden since.
void Console::ReturnToPrevious() {
  while (!previous_.empty()) {
    winsys::Dialog* dialog = previous_.back();
    previous_.pop_back();
    if (dialog == main_ || dialog->IsWindowVisible()) {
      current_ = dialog;
      return;
    }
  }
  current_ = main_;
}

// A modal box blocks every window but itself.
bool Console::Blocked(winsys::Dialog* dialog, const std::string& command) {
  if (modal_.empty() || modal_.back() == dialog) return false;
  Error(JsonString(command) + ": the window is blocked by a modal box");
  return true;
}

void Console::Error(const std::string& what) {
  failed_ = true;
  Print("error " + what);
}

bool Console::RequireControl(int id) {
  if (current_->HasControl(id)) return true;
  Error("no control " + std::to_string(id) + " in the current window");
  return false;
}

bool Console::RequireWindow() {
  if (current_->HasWindow()) return true;
  Error("the current window is gone");
  return false;
}

void Console::Execute(const std::string& line) {
  std::string rest = line;
  const std::string command = TakeWord(&rest);
  if (command.empty() || command[0] == '#') return;

  const auto take_id = [&](int* id) {
    const std::string word = TakeWord(&rest);
    if (!ParseInt(word, id)) {
      Error(command + ": expected a number, got " + JsonString(word));
      return false;
    }
    return true;
  };
  int id = 0;

  static const std::set<std::string> kWindowCommands = {
      "set",     "click", "select", "get",  "caption", "enabled", "checked", "items",
      "command", "wait",  "close",  "grab", "key",     "clickat", "cell",    "focus"};
  if (kWindowCommands.count(command) && (Blocked(current_, command) || !RequireWindow())) {
    return;
  }

  if (command == "menu") {
    if (!take_id(&id) || Blocked(main_, command)) return;
    if (!main_->RunMenuCommand(id)) {
      Error("menu " + std::to_string(id) + " is not available");
      return;
    }
    winsys::Dialog* tool = main_->ToolDialog(id);
    if (tool && tool != current_) {
      previous_.push_back(current_);
      current_ = tool;
    }
  } else if (command == "syscommand") {
    if (!take_id(&id) || Blocked(main_, command)) return;
    if ((id & 0xFFF0) != CQuorDlg::kAboutCommand) {
      Error("syscommand " + std::to_string(id) + " is not a command of the window menu");
      return;
    }
    main_->SysCommand(id);
  } else if (command == "window") {
    const std::string which = TakeWord(&rest);
    if (which == "main") {
      current_ = main_;
      return;
    }
    if (!ParseInt(which, &id)) {
      Error("window: expected a template number or main, got " + JsonString(which));
      return;
    }
    for (winsys::Dialog* dialog : winsys::Dialog::LiveDialogs()) {
      if (dialog->TemplateId() == id && dialog->IsWindowVisible()) {
        current_ = dialog;
        return;
      }
    }
    Error("no shown window from template " + std::to_string(id));
  } else if (command == "set") {
    if (!take_id(&id) || !RequireControl(id)) return;
    std::string text;
    if (!ParseJsonString(rest, &text)) {
      Error("set: the text must be one JSON string");
      return;
    }
    if (!current_->TypeText(id, text)) {
      Error("control " + std::to_string(id) + " takes no typing (read-only, disabled or no field)");
    }
  } else if (command == "click") {
    if (!take_id(&id) || !RequireControl(id)) return;
    if (!current_->Click(id)) Error("control " + std::to_string(id) + " cannot be pressed");
  } else if (command == "select") {
    int index = 0;
    if (!take_id(&id) || !take_id(&index) || !RequireControl(id)) return;
    if (!current_->Select(id, index)) {
      Error("list " + std::to_string(id) + " has no item " + std::to_string(index));
    }
  } else if (command == "get") {
    if (!take_id(&id) || !RequireControl(id)) return;
    Print(JsonString(current_->GetText(id)));
  } else if (command == "caption") {
    Print(JsonString(current_->GetCaption()));
  } else if (command == "enabled") {
    if (!take_id(&id) || !RequireControl(id)) return;
    Print(current_->IsEnabled(id) ? "1" : "0");
  } else if (command == "checked") {
    if (!take_id(&id) || !RequireControl(id)) return;
    Print(current_->IsChecked(id) ? "1" : "0");
  } else if (command == "items") {
    if (!take_id(&id) || !RequireControl(id)) return;
    std::string out = "[";
    const std::vector<std::string> items = current_->GetItems(id);
    for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + JsonString(items[i]);
    Print(out + "]");
  } else if (command == "command") {
    if (!take_id(&id)) return;
    if (!current_->RunMenuCommand(id)) {
      Error("command " + std::to_string(id) + " is not available");
    }
  } else if (command == "answer") {
    const std::string kind = TakeWord(&rest);
    if (kind == "open" && !rest.empty()) {
      prompter_.QueueOpen(rest);
    } else if (kind == "save" && !rest.empty()) {
      prompter_.QueueSave(rest);
    } else if (kind == "font") {
      const size_t blank = rest.find_last_of(' ');
      int pixels = 0;
      if (blank == std::string::npos || !ParseInt(rest.substr(blank + 1), &pixels)) {
        Error("answer font: expected FACE PIXELS");
        return;
      }
      prompter_.QueueFont(rest.substr(0, blank), pixels);
    } else if (kind == "cancel") {
      prompter_.QueueCancel();
    } else {
      Error("answer: expected open PATH, save PATH, font FACE PIXELS or cancel");
    }
  } else if (command == "wait") {
    int limit_ms = 0;
    if (!take_id(&id)) return;
    if (TakeWord(&rest) != "enabled") {
      Error("wait: expected ID enabled MS");
      return;
    }
    if (!take_id(&limit_ms) || !RequireControl(id)) return;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
      // What workers posted is delivered before every look, the last one included.
      DeliverPosted();
      if (current_->IsEnabled(id) || clock.elapsed() >= limit_ms) break;
      QThread::msleep(2);
    }
    if (!current_->IsEnabled(id)) Error("control " + std::to_string(id) + " still disabled");
  } else if (command == "clickat") {
    int x = 0, y = 0;
    if (!take_id(&id) || !take_id(&x) || !take_id(&y) || !RequireControl(id)) return;
    if (!current_->ClickAt(id, x, y)) {
      Error("control " + std::to_string(id) + " takes no click at " + std::to_string(x) + "," +
            std::to_string(y));
    }
  } else if (command == "cell") {
    int row = 0, column = 0;
    if (!take_id(&id) || !take_id(&row) || !take_id(&column) || !RequireControl(id)) return;
    if (row < 0 || row >= current_->GetItemCount(id)) {
      Error("list " + std::to_string(id) + " has no row " + std::to_string(row));
      return;
    }
    Print(JsonString(current_->GetItemText(id, row, column)));
  } else if (command == "sleep") {
    int ms = 0;
    if (!take_id(&ms)) return;
    QElapsedTimer clock;
    clock.start();
    do {
      DeliverPosted();
      if (clock.elapsed() >= ms) break;
      QThread::msleep(2);
    } while (true);
  } else if (command == "serial") {
    if (!take_id(&id)) return;
    std::string path = rest;
    while (!path.empty() && path.front() == ' ') path.erase(path.begin());
    if (path.empty()) {
      Error("serial: expected N PATH");
      return;
    }
    protocol::SetComDevice(id, path);
  } else if (command == "tick") {
    int count = 0;
    if (!take_id(&count)) return;
    for (int i = 0; i < count; ++i) main_->TickTimer(CQuorDlg::kBannerTimer);
  } else if (command == "key") {
    if (!take_id(&id) || !RequireControl(id)) return;
    const std::string name = TakeWord(&rest);
    winsys::Dialog* pressed = current_;
    if (!pressed->PressKey(id, name)) {
      Error("key: control " + std::to_string(id) + " takes no key " + JsonString(name));
    } else if (pressed == current_ && pressed != main_ && !pressed->IsWindowVisible()) {
      ReturnToPrevious();  // Escape closed it
    }
  } else if (command == "close") {
    winsys::Dialog* closing = current_;
    closing->Close();
    if (closing == current_ && !closing->IsWindowVisible() && closing != main_) {
      ReturnToPrevious();
    }
  } else if (command == "focus") {
    Print(std::to_string(current_->FocusedControl()));
  } else if (command == "grab") {
    if (!take_id(&id)) return;
    if (id != 0 && !RequireControl(id)) return;
    std::string path = rest;
    while (!path.empty() && path.front() == ' ') path.erase(path.begin());
    if (path.empty() || !current_->GrabToPng(id, path)) Error("grab: cannot write " + path);
  } else {
    Error("unknown command " + QuotedWord(command));
  }
}

}  // namespace drive
