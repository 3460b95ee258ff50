// Serial port over POSIX termios: opened by COM number, raw 8N1 at a chosen baud rate,
// a bounded write and an exact-count read with a 3000 ms wait that another thread can
// cancel. Every failure leaves a Chinese reason in last_error; a success leaves it alone.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

namespace protocol {

class CComPort {
 public:
  CComPort();
  virtual ~CComPort();
  CComPort(const CComPort&) = delete;
  CComPort& operator=(const CComPort&) = delete;

  // Opens COM port_number (closing an open port first) at baud_rate, raw, 8 data bits,
  // no parity, one stop bit, no flow control, exclusively. False on failure.
  bool Open();
  // Safe on a closed port.
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Sends count bytes within 2000 ms + 50 ms per byte (until they have left the driver's
  // queue); returns the count written (less on time-out or stop), or 0 on failure.
  int Write(const uint8_t* data, int count);
  // Receives exactly count bytes within 3000 ms; returns count, or -1 on failure (time-out,
  // cancel, a port that is gone). Bytes of an unfinished read are dropped.
  int Read(uint8_t* data, int count);

  // From any thread: a Read that is waiting ends at once with "读取等待被用户取消".
  // A Read that starts later forgets an earlier cancel.
  void Cancel();
  // From now on a stop request on `stop` ends a waiting Read or Write at once, and every
  // later one before it waits: unlike a cancel it is never forgotten. Close then drops
  // output the line has not sent yet instead of waiting for it. Set by the thread that uses
  // the port, before it reads or writes.
  void StopOn(std::stop_token stop);

  int baud_rate = 9600;
  int port_number = 1;
  std::string last_error;

 private:
  bool Stopped() const { return stop_.stop_requested(); }

  int fd_ = -1;
  int cancel_fd_ = -1;  // eventfd
  std::stop_token stop_;
  std::unique_ptr<std::stop_callback<std::function<void()>>> wake_on_stop_;
};

// COM numbers on Linux. COM n is the n-th serial device present, in this order: USB
// adapters ttyUSB*, CDC devices ttyACM*, then on-board ttyS* ports whose UART type is
// known (the kernel gives type 0 to placeholder ports), each group in numeric order.
// dev_dir is normally "/dev", sys_tty_dir "/sys/class/tty".
std::vector<std::string> ListSerialDevices(const std::string& dev_dir,
                                           const std::string& sys_tty_dir);

// The device of COM n: an override set by SetComDevice, else the n-th listed device, else
// "" (no such port). Looked up afresh each time, so a newly plugged adapter counts.
std::string ComDevicePath(int port);
// COM n is the device `path` from now on ("" drops the override). Any thread.
void SetComDevice(int port, const std::string& path);
// Where ComDevicePath lists devices ("/dev" and "/sys/class/tty" unless changed).
void SetSerialDeviceFolders(const std::string& dev_dir, const std::string& sys_tty_dir);

// "打开COM%d失败", with the device and a hint about the dialout group when the device
// refused access (error_code EACCES or EPERM).
std::string OpenFailureText(int port, const std::string& device, int error_code);

}  // namespace protocol
