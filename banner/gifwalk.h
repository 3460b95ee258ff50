// The GIF block layout as the picture control reads it: a walk over the blocks of a GIF held
// in memory that counts its graphic blocks and cuts each frame out into a GIF of its own.
// Every read stays within the data; a block that runs past its end stops the walk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace banner::gif {

enum class BlockKind {
  kApplication,     // 21h FFh
  kComment,         // 21h FEh
  kGraphicControl,  // 21h F9h
  kPlainText,       // 21h 01h
  kImage,           // 2Ch
  kTrailer,         // 3Bh
  kUnknown,
};

// Kind of the block that starts at `pos` (kUnknown at or past the end of the data).
BlockKind KindAt(const uint8_t* data, size_t size, size_t pos);

// Length of the whole block at `pos`, or 0 when it is unknown or does not end within the data.
size_t BlockLength(const uint8_t* data, size_t size, size_t pos);

// Length of the sub-block chain that starts at `pos`, terminator included; 0 when the chain
// does not end within the data.
size_t ChainLength(const uint8_t* data, size_t size, size_t pos);

// A frame cut out of an animated GIF.
struct Frame {
  int delay = -1;    // hundredths of a second; -1 without a graphic control extension
  int disposal = 0;  // 0 to 7
  int left = 0;
  int top = 0;
  int width = 0;  // 0 x 0 for a plain-text frame, which has no image descriptor
  int height = 0;
  size_t span_start = 0;  // offsets into the data: first byte and one past the last
  size_t span_end = 0;
  size_t graphic = 0;  // offset of the image descriptor (or plain-text extension)
  // Header, logical screen descriptor and global colour table, the span, a trailer.
  std::vector<uint8_t> gif;
  // The same frame as a picture of its own size: the logical screen is the frame's
  // rectangle and the image sits at 0, 0, so that it decodes to exactly width x height.
  std::vector<uint8_t> local_gif;
};

// Milliseconds a frame is shown: 100 for 0 to 4 hundredths and for a frame without a
// graphic control extension, otherwise ten times the delay.
int FrameDelayMs(int delay);

class Walker {
 public:
  // The data must stay alive and unchanged while the walker is used.
  Walker(const uint8_t* data, size_t size);

  // True when the data starts with "GIF" and holds a logical screen descriptor.
  bool IsGif() const { return is_gif_; }
  int ScreenWidth() const { return screen_width_; }
  int ScreenHeight() const { return screen_height_; }
  size_t GlobalTableSize() const { return global_table_size_; }
  size_t FirstBlock() const { return 13 + global_table_size_; }
  size_t Position() const { return pos_; }
  void Rewind() { pos_ = FirstBlock(); }

  // Walks one graphic block (with its leading extensions); false when the walk fails, and
  // the position is then unspecified.
  bool SkipGraphic();
  // Walks one graphic block and cuts it out as a frame.
  bool NextFrame(Frame* frame);
  // The same walk, filling in everything but the two cut-out GIFs (nothing is copied).
  bool NextFrameHead(Frame* frame);
  // The `local_gif` of a frame that NextFrameHead gave.
  std::vector<uint8_t> CutLocal(const Frame& frame) const;
  // Graphic blocks from the first block until the walk fails; leaves the position there.
  int CountGraphicBlocks();

 private:
  bool Skip();
  bool Walk(Frame* frame, bool cut);

  const uint8_t* data_;
  size_t size_;
  bool is_gif_ = false;
  int screen_width_ = 0;
  int screen_height_ = 0;
  size_t global_table_size_ = 0;
  size_t pos_ = 0;
};

}  // namespace banner::gif
