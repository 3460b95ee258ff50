#include "banner/gifwalk.h"

namespace banner::gif {

namespace {

int Read16(const uint8_t* p) {
  return p[0] | (p[1] << 8);
}

void Write16(uint8_t* p, int value) {
  p[0] = static_cast<uint8_t>(value & 0xFF);
  p[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

// Size of the colour table that a packed byte announces (bit 7 set), in bytes.
size_t TableSize(uint8_t packed) {
  return (packed & 0x80) ? 3u * (2u << (packed & 7)) : 0;
}

// Length of a block made of `fixed` bytes followed by a sub-block chain.
size_t FixedPlusChain(const uint8_t* data, size_t size, size_t pos, size_t fixed) {
  if (fixed > size - pos) return 0;
  const size_t chain = ChainLength(data, size, pos + fixed);
  return chain == 0 ? 0 : fixed + chain;
}

}  // namespace

BlockKind KindAt(const uint8_t* data, size_t size, size_t pos) {
  if (data == nullptr || pos >= size) return BlockKind::kUnknown;
  switch (data[pos]) {
    case 0x2C:
      return BlockKind::kImage;
    case 0x3B:
      return BlockKind::kTrailer;
    case 0x21:
      if (pos + 1 >= size) return BlockKind::kUnknown;
      switch (data[pos + 1]) {
        case 0xFF:
          return BlockKind::kApplication;
        case 0xFE:
          return BlockKind::kComment;
        case 0xF9:
          return BlockKind::kGraphicControl;
        case 0x01:
          return BlockKind::kPlainText;
        default:
          return BlockKind::kUnknown;
      }
    default:
      return BlockKind::kUnknown;
  }
}

size_t ChainLength(const uint8_t* data, size_t size, size_t pos) {
  size_t p = pos;
  while (p < size) {
    const size_t n = data[p];
    if (n == 0) return p - pos + 1;
    if (n + 1 > size - p) return 0;
    p += n + 1;
  }
  return 0;
}

size_t BlockLength(const uint8_t* data, size_t size, size_t pos) {
  if (data == nullptr || pos >= size) return 0;
  switch (KindAt(data, size, pos)) {
    case BlockKind::kApplication:
      return FixedPlusChain(data, size, pos, 14);
    case BlockKind::kComment:
      return FixedPlusChain(data, size, pos, 2);
    case BlockKind::kGraphicControl:
      return 8 <= size - pos ? 8 : 0;
    case BlockKind::kPlainText:
      return FixedPlusChain(data, size, pos, 15);
    case BlockKind::kImage: {
      if (10 > size - pos) return 0;
      return FixedPlusChain(data, size, pos, 11 + TableSize(data[pos + 9]));
    }
    case BlockKind::kTrailer:
      return 1;
    case BlockKind::kUnknown:
      return 0;
  }
  return 0;
}

int FrameDelayMs(int delay) {
  return delay < 5 ? 100 : delay * 10;
}

Walker::Walker(const uint8_t* data, size_t size) : data_(data), size_(size) {
  if (data == nullptr || size < 13 || data[0] != 'G' || data[1] != 'I' || data[2] != 'F') return;
  is_gif_ = true;
  screen_width_ = Read16(data + 6);
  screen_height_ = Read16(data + 8);
  global_table_size_ = TableSize(data[10]);
  pos_ = FirstBlock();
}

bool Walker::Skip() {
  const size_t length = BlockLength(data_, size_, pos_);
  if (length == 0) return false;
  pos_ += length;
  return true;
}

bool Walker::Walk(Frame* frame, bool cut) {
  if (!is_gif_) return false;
  BlockKind kind = KindAt(data_, size_, pos_);
  while (kind == BlockKind::kApplication || kind == BlockKind::kComment) {
    if (!Skip()) return false;
    kind = KindAt(data_, size_, pos_);
  }
  const size_t start = pos_;
  int delay = -1;
  int disposal = 0;
  if (kind == BlockKind::kGraphicControl) {
    while (kind != BlockKind::kImage && kind != BlockKind::kPlainText) {
      if (kind != BlockKind::kApplication && kind != BlockKind::kComment &&
          kind != BlockKind::kGraphicControl) {
        return false;
      }
      const size_t at = pos_;
      if (!Skip()) return false;
      // The extension nearest to the graphic is the one that applies to it.
      if (kind == BlockKind::kGraphicControl) {
        disposal = (data_[at + 3] >> 2) & 7;
        delay = Read16(data_ + at + 4);
      }
      kind = KindAt(data_, size_, pos_);
    }
  }
  if (kind != BlockKind::kImage && kind != BlockKind::kPlainText) return false;
  const size_t graphic = pos_;
  if (!Skip()) return false;
  if (frame == nullptr) return true;

  *frame = Frame();
  frame->delay = delay;
  frame->disposal = disposal;
  frame->span_start = start;
  frame->span_end = pos_;
  frame->graphic = graphic;
  if (kind == BlockKind::kImage) {
    frame->left = Read16(data_ + graphic + 1);
    frame->top = Read16(data_ + graphic + 3);
    frame->width = Read16(data_ + graphic + 5);
    frame->height = Read16(data_ + graphic + 7);
  }
  if (!cut) return true;
  const size_t head = FirstBlock();
  frame->gif.reserve(head + (pos_ - start) + 1);
  frame->gif.assign(data_, data_ + head);
  frame->gif.insert(frame->gif.end(), data_ + start, data_ + pos_);
  frame->gif.push_back(0x3B);
  frame->local_gif = CutLocal(*frame);
  return true;
}

std::vector<uint8_t> Walker::CutLocal(const Frame& frame) const {
  const size_t head = FirstBlock();
  if (!is_gif_ || frame.span_start < head || frame.span_end > size_ ||
      frame.span_start >= frame.span_end || frame.graphic < frame.span_start ||
      frame.graphic >= frame.span_end) {
    return {};
  }
  std::vector<uint8_t> local;
  local.reserve(head + (frame.span_end - frame.span_start) + 1);
  local.assign(data_, data_ + head);
  local.insert(local.end(), data_ + frame.span_start, data_ + frame.span_end);
  local.push_back(0x3B);
  if (KindAt(data_, size_, frame.graphic) == BlockKind::kImage) {
    Write16(local.data() + 6, frame.width);
    Write16(local.data() + 8, frame.height);
    const size_t descriptor = head + (frame.graphic - frame.span_start);
    Write16(local.data() + descriptor + 1, 0);
    Write16(local.data() + descriptor + 3, 0);
  }
  return local;
}

bool Walker::SkipGraphic() {
  return Walk(nullptr, false);
}

bool Walker::NextFrame(Frame* frame) {
  Frame cut;
  if (!Walk(&cut, true)) return false;
  *frame = std::move(cut);
  return true;
}

bool Walker::NextFrameHead(Frame* frame) {
  Frame head;
  if (!Walk(&head, false)) return false;
  *frame = std::move(head);
  return true;
}

int Walker::CountGraphicBlocks() {
  if (!is_gif_) return 0;
  Rewind();
  int count = 0;
  while (SkipGraphic()) ++count;
  return count;
}

}  // namespace banner::gif
