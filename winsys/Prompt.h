// The one seam for message boxes, file dialogs and the font chooser. The program answers
// through Qt's dialogs; tests and the automation console through a queue of answers.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace winsys {

class Dialog;

struct FileFilter {
  std::string description;  // "Hex文件(*.hex)"
  std::string pattern;      // "*.hex"
};

struct FontChoice {
  std::string face;
  int pixels = 0;  // character height in pixels
  int points = 0;  // size in tenths of a point
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual void MessageBox(Dialog* owner, const std::string& text, const std::string& title) = 0;
  virtual bool OpenFile(Dialog* owner, const std::string& title,
                        const std::vector<FileFilter>& filters, std::string* path) = 0;
  virtual bool SaveFile(Dialog* owner, const std::string& title,
                        const std::vector<FileFilter>& filters, const std::string& default_ext,
                        bool confirm_overwrite, std::string* path) = 0;
  virtual bool ChooseFont(Dialog* owner, const std::string& initial_face, FontChoice* choice) = 0;
};

// The prompter in force; the Qt one unless another was installed.
Prompter& CurrentPrompter();
void InstallPrompter(Prompter* prompter);  // nullptr restores the Qt one

// The title a message box without one shows: the program's name.
const char* ApplicationName();

// Answers from a queue and records every message box. An empty queue answers cancel.
class ScriptedPrompter : public Prompter {
 public:
  struct Message {
    std::string title;
    std::string text;
  };
  enum class Kind { kOpen, kSave, kFont, kCancel };
  struct Answer {
    Kind kind = Kind::kCancel;
    std::string path_or_face;
    int pixels = 0;
  };

  void QueueOpen(const std::string& path) { answers_.push_back({Kind::kOpen, path, 0}); }
  void QueueSave(const std::string& path) { answers_.push_back({Kind::kSave, path, 0}); }
  void QueueFont(const std::string& face, int pixels) {
    answers_.push_back({Kind::kFont, face, pixels});
  }
  void QueueCancel() { answers_.push_back({Kind::kCancel, {}, 0}); }

  // Called for every message box as it is shown (the console prints it).
  std::function<void(const Message&)> on_message;
  const std::vector<Message>& messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }

  void MessageBox(Dialog* owner, const std::string& text, const std::string& title) override;
  bool OpenFile(Dialog* owner, const std::string& title, const std::vector<FileFilter>& filters,
                std::string* path) override;
  bool SaveFile(Dialog* owner, const std::string& title, const std::vector<FileFilter>& filters,
                const std::string& default_ext, bool confirm_overwrite, std::string* path) override;
  bool ChooseFont(Dialog* owner, const std::string& initial_face, FontChoice* choice) override;

 private:
  bool Take(Kind kind, Answer* answer);
  std::deque<Answer> answers_;
  std::vector<Message> messages_;
};

}  // namespace winsys
