// When the main window swaps its banner: it counts the ticks of its 1-second timer and takes
// the download worker's one answer; from the tenth tick on, the first tick that finds an
// answer says which file to show, and the timer is done.
#pragma once

namespace banner {

class BannerHandover {
 public:
  enum class Step {
    kWait,               // keep ticking
    kShowFile,           // the download succeeded: show the banner file
    kShowFileIfPresent,  // the download failed: show a file left by an earlier run, if any
  };

  // The worker's answer; a later answer replaces an earlier one.
  void WorkerAnswered(bool saved) { state_ = saved ? 2 : 1; }
  // One tick of the timer. After any step but kWait the timer is to be stopped.
  Step Tick();

  int ticks() const { return ticks_; }
  int state() const { return state_; }  // 0 no answer yet, 1 download failed, 2 banner saved

 private:
  static constexpr int kCountedTicks = 9;
  int ticks_ = 0;
  int state_ = 0;
};

}  // namespace banner
