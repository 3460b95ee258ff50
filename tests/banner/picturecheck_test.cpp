// What the picture control agrees to show: the plan of a GIF and its limits.
#include "banner/picturecheck.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/banner/gif_fixture.h"

namespace {

using banner::GifPlan;
using giftest::GifBuilder;
using Verdict = GifPlan::Verdict;

const std::vector<uint32_t> kColours = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};

GifPlan Plan(const GifBuilder& gif) {
  return banner::PlanGif(gif.Data().data(), gif.Size());
}

TEST(GifPlan, VerdictsAndPeakMemory) {
  struct Case {
    const char* name;
    GifBuilder gif;
    Verdict verdict;
    int64_t peak_pixels;
  };
  const auto frames = [](int width, int height, std::vector<std::array<int, 3>> list) {
    GifBuilder gif(width, height, kColours);
    for (auto [w, h, disposal] : list) gif.Control(disposal, 10).Image(0, 0, w, h, 1);
    return gif.Trailer();
  };
  Case cases[] = {
      {"one image: decoded whole, at screen size", frames(100, 50, {{2, 2, 0}}), Verdict::kOk,
       2 * 5000},
      {"several: screen and the largest frame", frames(100, 50, {{2, 2, 0}, {30, 10, 1}}),
       Verdict::kOk, 5000 + 300},
      {"a disposal-3 frame adds its saved area", frames(100, 50, {{20, 10, 3}, {30, 10, 1}}),
       Verdict::kOk, 5000 + 300 + 200},
      {"one image of 2048 x 2048", frames(2048, 2048, {{1, 1, 0}}), Verdict::kOk, 2 * 2048 * 2048},
      {"one image of 2048 x 2049 is too much in one go", frames(2048, 2049, {{1, 1, 0}}),
       Verdict::kTooBig, 2 * 2048 * 2049},
      {"4096 x 4096 and one image", frames(4096, 4096, {{1, 1, 0}}), Verdict::kTooBig,
       2 * 4096 * 4096},
      {"4096 x 3072, frames of 2048 x 2048: exactly 64 MiB",
       frames(4096, 3072, {{1, 1, 0}, {2048, 2048, 0}}), Verdict::kOk, 4096 * 3072 + 2048 * 2048},
      {"a frame of 2048 x 2049", frames(4096, 8, {{1, 1, 0}, {2048, 2049, 0}}), Verdict::kTooBig,
       4096 * 8 + 2048 * 2049},
      {"the saved area passes 64 MiB", frames(4096, 3072, {{2048, 2048, 3}, {1, 1, 0}}),
       Verdict::kTooBig, 4096 * 3072 + 2 * 2048 * 2048},
      {"4097 wide", frames(4097, 1, {{1, 1, 0}}), Verdict::kScreen, 0},
      {"0 high", frames(4, 0, {{1, 1, 0}}), Verdict::kScreen, 0},
      {"no graphic", GifBuilder(4, 4, kColours).Comment("x").Trailer(), Verdict::kNoFrames, 0},
  };
  // A frame far larger than the screen (its rectangle only: the image data is empty).
  GifBuilder wide(10, 10, kColours);
  wide.Image(0, 0, 1, 1, 1).Raw({0x2C, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 2, 0}).Trailer();
  const GifPlan wide_plan = Plan(wide);
  EXPECT_EQ(wide_plan.verdict, Verdict::kTooBig);
  EXPECT_EQ(wide_plan.peak_bytes, 4 * (100 + int64_t{65535} * 65535));
  for (Case& c : cases) {
    const GifPlan plan = Plan(c.gif);
    EXPECT_EQ(plan.verdict, c.verdict) << c.name;
    if (c.peak_pixels) {
      EXPECT_EQ(plan.peak_bytes, 4 * c.peak_pixels) << c.name;
    }
  }
}

TEST(GifPlan, FrameCountLimitAndTrailer) {
  for (int count : {4096, 4097}) {
    GifBuilder gif(8, 8, kColours);
    for (int i = 0; i < count; ++i) gif.Image(0, 0, 1, 1, 1);
    gif.Comment("after the frames").Trailer();
    const GifPlan plan = Plan(gif);
    EXPECT_EQ(plan.verdict, count <= 4096 ? Verdict::kOk : Verdict::kTooManyFrames) << count;
    EXPECT_EQ(plan.frames.size(), count <= 4096 ? 4096u : 0u);
    EXPECT_EQ(plan.has_trailer, count <= 4096);
    // Nothing is cut out while planning.
    if (!plan.frames.empty()) {
      EXPECT_TRUE(plan.frames[0].local_gif.empty());
    }
  }
  GifBuilder plain(8, 8, kColours);
  plain.Control(0, 10).PlainText("no rectangle").Image(0, 0, 2, 2, 1);
  const std::vector<uint8_t> cut(plain.Data().begin(), plain.Data().end());
  EXPECT_FALSE(banner::PlanGif(cut.data(), cut.size()).has_trailer);
  plain.Trailer();
  const GifPlan plan = Plan(plain);
  EXPECT_EQ(plan.graphic_blocks, 2);
  EXPECT_EQ(plan.frames.size(), 1u);
  EXPECT_TRUE(plan.has_trailer);
}

TEST(GifPlan, CutLocalMatchesTheCutOfNextFrame) {
  GifBuilder gif(10, 6, kColours);
  gif.Control(2, 10).Image(2, 1, 3, 2, 2).Comment("c").Image(5, 2, 2, 2, 3).Trailer();
  banner::gif::Walker walker(gif.Data().data(), gif.Size());
  banner::gif::Frame cut;
  for (const banner::gif::Frame& head : Plan(gif).frames) {
    ASSERT_TRUE(walker.NextFrame(&cut));
    EXPECT_EQ(walker.CutLocal(head), cut.local_gif);
    EXPECT_EQ(head.graphic, cut.graphic);
  }
}

TEST(ShowablePicture, LayoutOnlyWithoutADecoder) {
  GifBuilder gif(4, 4, kColours);
  gif.Image(0, 0, 4, 4, 1).Trailer();
  EXPECT_TRUE(banner::IsShowablePicture(gif.Data().data(), gif.Size(), nullptr));
  EXPECT_FALSE(banner::IsShowablePicture(gif.Data().data(), gif.Size() - 1, nullptr));
  // Several frames: they are tried in turn until one decodes.
  GifBuilder two(4, 4, kColours);
  two.Image(0, 0, 1, 1, 1).Image(0, 0, 2, 2, 1).Trailer();
  std::vector<size_t> asked;
  const auto second_only = [&](const uint8_t* data, size_t size) {
    asked.push_back(size);
    return banner::gif::Walker(data, size).ScreenWidth() == 2;
  };
  EXPECT_TRUE(banner::IsShowablePicture(two.Data().data(), two.Size(), second_only));
  EXPECT_EQ(asked.size(), 2u);
  const uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_FALSE(
      banner::IsShowablePicture(png, sizeof png, [](const uint8_t*, size_t) { return true; }));
}

}  // namespace
