#include "banner/gifwalk.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/banner/gif_fixture.h"

namespace {

using banner::gif::BlockKind;
using banner::gif::Frame;
using banner::gif::Walker;
using giftest::GifBuilder;

const std::vector<uint32_t> kColours = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};

std::vector<Frame> AllFrames(const std::vector<uint8_t>& data) {
  Walker walker(data.data(), data.size());
  std::vector<Frame> frames;
  Frame frame;
  while (walker.NextFrame(&frame)) frames.push_back(frame);
  return frames;
}

int Count(const std::vector<uint8_t>& data) {
  Walker walker(data.data(), data.size());
  return walker.CountGraphicBlocks();
}

TEST(GifWalk, ReadsTheLogicalScreenAndGlobalTable) {
  GifBuilder gif(20, 10, {1, 2, 3, 4, 5, 6, 7, 8});
  gif.Image(0, 0, 20, 10, 1).Trailer();
  Walker walker(gif.Data().data(), gif.Size());
  EXPECT_TRUE(walker.IsGif());
  EXPECT_EQ(walker.ScreenWidth(), 20);
  EXPECT_EQ(walker.ScreenHeight(), 10);
  EXPECT_EQ(walker.GlobalTableSize(), 24u);
  EXPECT_EQ(walker.FirstBlock(), 37u);

  GifBuilder bare(3, 2, {});
  EXPECT_EQ(Walker(bare.Data().data(), bare.Size()).GlobalTableSize(), 0u);
}

TEST(GifWalk, OnlyTheThreeSignatureBytesMakeAGif) {
  std::vector<uint8_t> data = GifBuilder(1, 1, kColours).Data();
  data[3] = 'x';  // version bytes are not looked at
  EXPECT_TRUE(Walker(data.data(), data.size()).IsGif());
  data[0] = 'B';
  EXPECT_FALSE(Walker(data.data(), data.size()).IsGif());
  EXPECT_EQ(Walker(data.data(), data.size()).CountGraphicBlocks(), 0);
  const uint8_t short_gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0};
  EXPECT_FALSE(Walker(short_gif, sizeof short_gif).IsGif());
  EXPECT_FALSE(Walker(nullptr, 0).IsGif());
}

TEST(GifWalk, BlockLengths) {
  GifBuilder gif(4, 4, kColours);
  const size_t app = gif.Size();
  gif.Application(0);
  const size_t comment = gif.Size();
  gif.Comment("hello");
  const size_t control = gif.Size();
  gif.Control(2, 10);
  const size_t image = gif.Size();
  gif.Image(0, 0, 2, 2, std::vector<uint8_t>(4, 1), kColours);  // local table: 12 bytes
  const size_t text = gif.Size();
  gif.PlainText("abc");
  const size_t trailer = gif.Size();
  gif.Trailer();
  const auto& d = gif.Data();
  struct Case {
    size_t at, end;
    BlockKind kind;
  } cases[] = {
      {app, comment, BlockKind::kApplication},      {comment, control, BlockKind::kComment},
      {control, image, BlockKind::kGraphicControl}, {image, text, BlockKind::kImage},
      {text, trailer, BlockKind::kPlainText},       {trailer, trailer + 1, BlockKind::kTrailer},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(banner::gif::KindAt(d.data(), d.size(), c.at), c.kind) << c.at;
    EXPECT_EQ(banner::gif::BlockLength(d.data(), d.size(), c.at), c.end - c.at) << c.at;
    // The same block cut one byte short has no length.
    EXPECT_EQ(banner::gif::BlockLength(d.data(), c.end - 1, c.at), 0u) << c.at;
  }
  const uint8_t unknown[] = {0x21, 0x02, 0, 0x00};
  EXPECT_EQ(banner::gif::KindAt(unknown, sizeof unknown, 0), BlockKind::kUnknown);
  EXPECT_EQ(banner::gif::BlockLength(unknown, sizeof unknown, 0), 0u);
  EXPECT_EQ(banner::gif::KindAt(unknown, 1, 0), BlockKind::kUnknown);
  EXPECT_EQ(banner::gif::BlockLength(unknown, sizeof unknown, 9), 0u);
}

TEST(GifWalk, ChainsAreReadOnlyWithinTheData) {
  const uint8_t chain[] = {2, 'a', 'b', 1, 'c', 0, 0xEE};
  EXPECT_EQ(banner::gif::ChainLength(chain, sizeof chain, 0), 6u);
  EXPECT_EQ(banner::gif::ChainLength(chain, 5, 0), 0u);  // no terminator within
  EXPECT_EQ(banner::gif::ChainLength(chain, 4, 0), 0u);  // sub-block runs past the end
  const uint8_t runaway[] = {255, 1, 2};
  EXPECT_EQ(banner::gif::ChainLength(runaway, sizeof runaway, 0), 0u);
  EXPECT_EQ(banner::gif::ChainLength(chain, sizeof chain, sizeof chain), 0u);
}

TEST(GifWalk, SingleFrame) {
  GifBuilder gif(8, 4, kColours);
  gif.Image(0, 0, 8, 4, 2).Trailer();
  EXPECT_EQ(Count(gif.Data()), 1);
  const auto frames = AllFrames(gif.Data());
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].delay, -1);
  EXPECT_EQ(frames[0].disposal, 0);
}

TEST(GifWalk, DelaysAndDisposal) {
  struct Step {
    int disposal, delay, ms;
  } steps[] = {{0, 0, 100},  {1, 4, 100}, {2, 10, 100},
               {3, 50, 500}, {7, 5, 50},  {4, 65535, 655350}};
  GifBuilder gif(8, 4, kColours);
  for (const Step& s : steps) gif.Control(s.disposal, s.delay).Image(0, 0, 8, 4, 1);
  gif.Trailer();
  EXPECT_EQ(Count(gif.Data()), 6);
  const auto frames = AllFrames(gif.Data());
  ASSERT_EQ(frames.size(), 6u);
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(frames[i].delay, steps[i].delay) << i;
    EXPECT_EQ(frames[i].disposal, steps[i].disposal) << i;
    EXPECT_EQ(banner::gif::FrameDelayMs(frames[i].delay), steps[i].ms) << i;
  }
}

TEST(GifWalk, FrameWithoutControlExtensionShowsForATenthOfASecond) {
  GifBuilder gif(8, 4, kColours);
  gif.Control(2, 30).Image(0, 0, 8, 4, 1);
  const size_t second = gif.Size();
  gif.Image(0, 0, 8, 4, 2).Trailer();
  const auto frames = AllFrames(gif.Data());
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[1].delay, -1);
  EXPECT_EQ(frames[1].disposal, 0);
  EXPECT_EQ(frames[1].span_start, second);  // the span starts at the image itself
  EXPECT_EQ(banner::gif::FrameDelayMs(frames[1].delay), 100);
}

TEST(GifWalk, ExtensionsAroundFramesAreSkippedAndNotCounted) {
  GifBuilder gif(8, 4, kColours);
  gif.Application(0).Comment("first");
  const size_t first = gif.Size();
  gif.Control(1, 20).Comment("inside").Application(3).Image(0, 0, 8, 4, 1);
  const size_t first_end = gif.Size();
  gif.Comment("between").Comment(std::string(600, 'x'));
  const size_t second = gif.Size();
  gif.Control(0, 7).Control(3, 9).Image(1, 1, 2, 2, 3).Comment("after").Trailer();
  EXPECT_EQ(Count(gif.Data()), 2);
  const auto frames = AllFrames(gif.Data());
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].span_start, first);
  EXPECT_EQ(frames[0].span_end, first_end);
  EXPECT_EQ(frames[0].delay, 20);
  EXPECT_EQ(frames[1].span_start, second);
  // Of two control extensions, the one nearest to the image applies.
  EXPECT_EQ(frames[1].delay, 9);
  EXPECT_EQ(frames[1].disposal, 3);
}

TEST(GifWalk, FrameGifIsHeaderSpanAndTrailer) {
  GifBuilder gif(9, 5, {1, 2, 3, 4, 5});
  gif.Control(2, 10).Image(0, 0, 9, 5, 1);
  gif.Comment("c").Control(3, 20).Image(2, 1, 3, 2, 4).Trailer();
  const auto& d = gif.Data();
  const auto frames = AllFrames(d);
  ASSERT_EQ(frames.size(), 2u);
  const size_t head = 13 + 24;
  for (const Frame& f : frames) {
    const size_t span = f.span_end - f.span_start;
    ASSERT_EQ(f.gif.size(), head + span + 1);
    EXPECT_TRUE(std::equal(d.begin(), d.begin() + head, f.gif.begin()));
    EXPECT_TRUE(std::equal(d.data() + f.span_start, d.data() + f.span_end, f.gif.data() + head));
    EXPECT_EQ(f.gif.back(), 0x3B);
    EXPECT_EQ(d[f.span_start], 0x21);
    EXPECT_EQ(d[f.span_start + 1], 0xF9);
  }
}

TEST(GifWalk, PartialFramesKeepTheirGeometry) {
  GifBuilder gif(40, 30, kColours);
  gif.Control(0, 10).Image(0, 0, 40, 30, 0);
  gif.Control(1, 10).Image(5, 7, 10, 4, 1);
  gif.Control(2, 10).Image(300, 2, 1, 1, 2);  // lies outside the screen
  gif.Trailer();
  const auto frames = AllFrames(gif.Data());
  ASSERT_EQ(frames.size(), 3u);
  const int expected[3][4] = {{0, 0, 40, 30}, {5, 7, 10, 4}, {300, 2, 1, 1}};
  for (size_t i = 0; i < 3; ++i) {
    const Frame& f = frames[i];
    EXPECT_EQ(f.left, expected[i][0]);
    EXPECT_EQ(f.top, expected[i][1]);
    EXPECT_EQ(f.width, expected[i][2]);
    EXPECT_EQ(f.height, expected[i][3]);
    // The frame on its own: the logical screen is its rectangle, the image at 0, 0.
    ASSERT_EQ(f.local_gif.size(), f.gif.size());
    Walker local(f.local_gif.data(), f.local_gif.size());
    EXPECT_EQ(local.ScreenWidth(), f.width);
    EXPECT_EQ(local.ScreenHeight(), f.height);
    Frame inner;
    ASSERT_TRUE(local.NextFrame(&inner));
    EXPECT_EQ(inner.left, 0);
    EXPECT_EQ(inner.top, 0);
    EXPECT_EQ(inner.width, f.width);
    EXPECT_EQ(inner.height, f.height);
  }
}

TEST(GifWalk, TruncatedDataKeepsOnlyTheFramesWithinIt) {
  GifBuilder gif(8, 4, kColours);
  gif.Comment("lead");
  gif.Control(0, 10).Image(0, 0, 8, 4, 1);
  gif.Control(0, 10).Comment("mid").Image(0, 0, 8, 4, 2);
  gif.Image(2, 2, 4, 2, 3);
  gif.Trailer();
  const auto& d = gif.Data();
  const auto whole = AllFrames(d);
  ASSERT_EQ(whole.size(), 3u);
  for (size_t cut = 0; cut <= d.size(); ++cut) {
    const std::vector<uint8_t> part(d.data(), d.data() + cut);
    int expected = 0;
    for (const Frame& f : whole) expected += f.span_end <= cut ? 1 : 0;
    EXPECT_EQ(Count(part), expected) << cut;
    EXPECT_EQ(static_cast<int>(AllFrames(part).size()), expected) << cut;
  }
}

TEST(GifWalk, WalkEndsAtTrailerAndUnknownBlocks) {
  GifBuilder gif(8, 4, kColours);
  gif.Image(0, 0, 8, 4, 1).Raw({0x00}).Image(0, 0, 8, 4, 2).Trailer();
  EXPECT_EQ(Count(gif.Data()), 1);
  GifBuilder control_then_trailer(8, 4, kColours);
  control_then_trailer.Image(0, 0, 8, 4, 1).Control(0, 5).Trailer();
  EXPECT_EQ(Count(control_then_trailer.Data()), 1);
  GifBuilder unknown_extension(8, 4, kColours);
  unknown_extension.Control(0, 5).Raw({0x21, 0x77, 0}).Image(0, 0, 8, 4, 1).Trailer();
  EXPECT_EQ(Count(unknown_extension.Data()), 0);
  GifBuilder nothing(8, 4, kColours);
  nothing.Comment("only").Trailer();
  EXPECT_EQ(Count(nothing.Data()), 0);
}

TEST(GifWalk, PlainTextIsAGraphicWithoutGeometry) {
  GifBuilder gif(8, 4, kColours);
  gif.Control(2, 10).PlainText("hi").Control(0, 10).Image(1, 1, 2, 2, 1).Trailer();
  const auto frames = AllFrames(gif.Data());
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].width, 0);
  EXPECT_EQ(frames[0].height, 0);
  EXPECT_EQ(frames[0].disposal, 2);
  EXPECT_EQ(frames[0].local_gif, frames[0].gif);
}

TEST(GifWalk, ColourTableThatRunsPastTheEndGivesNoBlocks) {
  std::vector<uint8_t> data = GifBuilder(8, 4, kColours).Data();
  data[10] = 0x87;  // announces 768 bytes of table
  data.push_back(0x2C);
  EXPECT_TRUE(Walker(data.data(), data.size()).IsGif());
  EXPECT_EQ(Count(data), 0);
}

}  // namespace
