#include "app/drive/Console.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
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

// One command line: its command word and what follows, read word by word.
class Console::Args {
 public:
  Args(Console* console, std::string command, std::string rest)
      : console_(console), command_(std::move(command)), rest_(std::move(rest)) {}

  const std::string& command() const { return command_; }

  // The next word as a whole number; an error line names the word when it is not one.
  bool Number(int* value) {
    const std::string word = TakeWord(&rest_);
    if (ParseInt(word, value)) return true;
    console_->Error(command_ + ": expected a number, got " + JsonString(word));
    return false;
  }

  std::string Word() { return TakeWord(&rest_); }

  // The rest of the line as it stands: a JSON text or a path may hold blanks.
  const std::string& rest() const { return rest_; }

  // The rest of the line without its leading blanks.
  std::string Path() const {
    const size_t start = rest_.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : rest_.substr(start);
  }

 private:
  Console* console_;
  std::string command_;
  std::string rest_;
};

struct Console::Row {
  const char* name;
  std::vector<const char*> forms;  // as the README's table writes them
  // Acts on the current window: refused, before its arguments are read, while a modal box
  // blocks that window or the window is gone.
  bool in_window;
  void (Console::*run)(Args&);
};

const std::vector<Console::Row>& Console::Commands() {
  static const std::vector<Row> commands = {
      {"menu", {"menu ID"}, false, &Console::Menu},
      {"syscommand", {"syscommand ID"}, false, &Console::SysCommand},
      {"window", {"window TEMPLATE", "window main"}, false, &Console::Window},
      {"set", {"set ID TEXT"}, true, &Console::Set},
      {"click", {"click ID"}, true, &Console::Click},
      {"select", {"select ID INDEX"}, true, &Console::Select},
      {"get", {"get ID"}, true, &Console::Get},
      {"caption", {"caption"}, true, &Console::Caption},
      {"enabled", {"enabled ID"}, true, &Console::Enabled},
      {"checked", {"checked ID"}, true, &Console::Checked},
      {"items", {"items ID"}, true, &Console::Items},
      {"command", {"command ID"}, true, &Console::Command},
      {"answer",
       {"answer open PATH", "answer save PATH", "answer font FACE PIXELS", "answer cancel"},
       false,
       &Console::Answer},
      {"wait", {"wait ID enabled MS"}, true, &Console::Wait},
      {"tick", {"tick N"}, false, &Console::Tick},
      {"close", {"close"}, true, &Console::Close},
      {"grab", {"grab ID FILE"}, true, &Console::Grab},
      {"key", {"key ID NAME"}, true, &Console::Key},
      {"clickat", {"clickat ID X Y"}, true, &Console::ClickAt},
      {"cell", {"cell ID ROW COL"}, true, &Console::Cell},
      {"sleep", {"sleep MS"}, false, &Console::Sleep},
      {"focus", {"focus"}, true, &Console::Focus},
      {"serial", {"serial N PATH"}, false, &Console::Serial},
  };
  return commands;
}

std::vector<CommandSyntax> CommandSyntaxes() {
  std::vector<CommandSyntax> syntaxes;
  for (const Console::Row& row : Console::Commands()) {
    syntaxes.push_back({row.name, std::vector<std::string>(row.forms.begin(), row.forms.end())});
  }
  return syntaxes;
}

void Console::Execute(const std::string& line) {
  std::string rest = line;
  std::string command = TakeWord(&rest);
  if (command.empty() || command[0] == '#') return;
  const std::vector<Row>& commands = Commands();
  const auto row = std::find_if(commands.begin(), commands.end(),
                                [&](const Row& candidate) { return command == candidate.name; });
  if (row == commands.end()) {
    Error("unknown command " + QuotedWord(command));
    return;
  }
  if (row->in_window && (Blocked(current_, command) || !RequireWindow())) return;
  Args args(this, std::move(command), std::move(rest));
  (this->*row->run)(args);
}

void Console::Menu(Args& args) {
  int id = 0;
  if (!args.Number(&id) || Blocked(main_, args.command())) return;
  if (!main_->RunMenuCommand(id)) {
    Error("menu " + std::to_string(id) + " is not available");
    return;
  }
  winsys::Dialog* tool = main_->ToolDialog(id);
  if (tool && tool != current_) {
    previous_.push_back(current_);
    current_ = tool;
  }
}

void Console::SysCommand(Args& args) {
  int id = 0;
  if (!args.Number(&id) || Blocked(main_, args.command())) return;
  if ((id & 0xFFF0) != CQuorDlg::kAboutCommand) {
    Error("syscommand " + std::to_string(id) + " is not a command of the window menu");
    return;
  }
  main_->SysCommand(id);
}

void Console::Window(Args& args) {
  const std::string which = args.Word();
  if (which == "main") {
    current_ = main_;
    return;
  }
  int id = 0;
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
}

void Console::Set(Args& args) {
  int id = 0;
  if (!args.Number(&id) || !RequireControl(id)) return;
  std::string text;
  if (!ParseJsonString(args.rest(), &text)) {
    Error("set: the text must be one JSON string");
    return;
  }
  if (!current_->TypeText(id, text)) {
    Error("control " + std::to_string(id) + " takes no typing (read-only, disabled or no field)");
  }
}

void Console::Click(Args& args) {
  int id = 0;
  if (!args.Number(&id) || !RequireControl(id)) return;
  if (!current_->Click(id)) Error("control " + std::to_string(id) + " cannot be pressed");
}

void Console::Select(Args& args) {
  int id = 0, index = 0;
  if (!args.Number(&id) || !args.Number(&index) || !RequireControl(id)) return;
  if (!current_->Select(id, index)) {
    Error("list " + std::to_string(id) + " has no item " + std::to_string(index));
  }
}

void Console::Get(Args& args) {
  int id = 0;
  if (!args.Number(&id) || !RequireControl(id)) return;
  Print(JsonString(current_->GetText(id)));
}

void Console::Caption(Args&) {
  Print(JsonString(current_->GetCaption()));
}

void Console::Enabled(Args& args) {
  int id = 0;
  if (!args.Number(&id) || !RequireControl(id)) return;
  Print(current_->IsEnabled(id) ? "1" : "0");
}

void Console::Checked(Args& args) {
  int id = 0;
  if (!args.Number(&id) || !RequireControl(id)) return;
  Print(current_->IsChecked(id) ? "1" : "0");
}

void Console::Items(Args& args) {
  int id = 0;
  if (!args.Number(&id) || !RequireControl(id)) return;
  std::string out = "[";
  const std::vector<std::string> items = current_->GetItems(id);
  for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + JsonString(items[i]);
  Print(out + "]");
}

void Console::Command(Args& args) {
  int id = 0;
  if (!args.Number(&id)) return;
  if (!current_->RunMenuCommand(id)) Error("command " + std::to_string(id) + " is not available");
}

void Console::Answer(Args& args) {
  const std::string kind = args.Word();
  const std::string& rest = args.rest();
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
}

void Console::Wait(Args& args) {
  int id = 0, limit_ms = 0;
  if (!args.Number(&id)) return;
  if (args.Word() != "enabled") {
    Error("wait: expected ID enabled MS");
    return;
  }
  if (!args.Number(&limit_ms) || !RequireControl(id)) return;
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    // What workers posted is delivered before every look, the last one included.
    DeliverPosted();
    if (current_->IsEnabled(id) || clock.elapsed() >= limit_ms) break;
    QThread::msleep(2);
  }
  if (!current_->IsEnabled(id)) Error("control " + std::to_string(id) + " still disabled");
}

void Console::Tick(Args& args) {
  int count = 0;
  if (!args.Number(&count)) return;
  for (int i = 0; i < count; ++i) main_->TickTimer(CQuorDlg::kBannerTimer);
}

void Console::Close(Args&) {
  winsys::Dialog* closing = current_;
  closing->Close();
  if (closing == current_ && !closing->IsWindowVisible() && closing != main_) ReturnToPrevious();
}

void Console::Grab(Args& args) {
  int id = 0;
  if (!args.Number(&id)) return;
  if (id != 0 && !RequireControl(id)) return;
  const std::string path = args.Path();
  if (path.empty() || !current_->GrabToPng(id, path)) Error("grab: cannot write " + path);
}

void Console::Key(Args& args) {
  int id = 0;
  if (!args.Number(&id) || !RequireControl(id)) return;
  const std::string name = args.Word();
  winsys::Dialog* pressed = current_;
  if (!pressed->PressKey(id, name)) {
    Error("key: control " + std::to_string(id) + " takes no key " + JsonString(name));
  } else if (pressed == current_ && pressed != main_ && !pressed->IsWindowVisible()) {
    ReturnToPrevious();  // Escape closed it
  }
}

void Console::ClickAt(Args& args) {
  int id = 0, x = 0, y = 0;
  if (!args.Number(&id) || !args.Number(&x) || !args.Number(&y) || !RequireControl(id)) return;
  if (!current_->ClickAt(id, x, y)) {
    Error("control " + std::to_string(id) + " takes no click at " + std::to_string(x) + "," +
          std::to_string(y));
  }
}

void Console::Cell(Args& args) {
  int id = 0, row = 0, column = 0;
  if (!args.Number(&id) || !args.Number(&row) || !args.Number(&column) || !RequireControl(id)) {
    return;
  }
  if (row < 0 || row >= current_->GetItemCount(id)) {
    Error("list " + std::to_string(id) + " has no row " + std::to_string(row));
    return;
  }
  Print(JsonString(current_->GetItemText(id, row, column)));
}

void Console::Sleep(Args& args) {
  int ms = 0;
  if (!args.Number(&ms)) return;
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    DeliverPosted();
    if (clock.elapsed() >= ms) break;
    QThread::msleep(2);
  }
}

void Console::Focus(Args&) {
  Print(std::to_string(current_->FocusedControl()));
}

void Console::Serial(Args& args) {
  int id = 0;
  if (!args.Number(&id)) return;
  const std::string path = args.Path();
  if (path.empty()) {
    Error("serial: expected N PATH");
    return;
  }
  protocol::SetComDevice(id, path);
}

}  // namespace drive
