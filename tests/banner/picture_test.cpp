// The picture control's GIF path: frames, disposal, the animation thread, stop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <set>
#include <thread>

#include "banner/CPictureEx.h"
#include "tests/banner/gif_fixture.h"
#include "winsys/Dialog.h"

namespace {

using giftest::GifBuilder;

constexpr winsys::Rgb kWhite = 0xFFFFFF, kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;
const std::vector<uint32_t> kColours = {kWhite, kRed, kGreen, kBlue};

// How long a wait may last before the test gives up: a safety net, not a timing.
constexpr int kPatienceMs = 20000;

int Load(CPictureEx& picture, const GifBuilder& gif) {
  return picture.LoadFromMemory(gif.Data().data(), gif.Size());
}

// 10 x 6: a red screen, a green patch that is cleared, a blue patch that is restored and a
// white dot that stays.
GifBuilder FourFrames(int loops = -1) {
  GifBuilder gif(10, 6, kColours);
  if (loops >= 0) gif.Application(loops);
  gif.Control(1, 0).Image(0, 0, 10, 6, 1);
  gif.Comment("between frames");
  gif.Control(2, 4).Image(2, 1, 3, 2, 2);
  gif.Control(3, 10).Image(5, 2, 2, 2, 3);
  gif.Control(0, 50).Image(9, 5, 1, 1, 0);
  gif.Trailer();
  return gif;
}

TEST(PictureGif, SingleFrameIsDrawnOnceWithoutAThread) {
  CPictureEx picture;
  GifBuilder gif(10, 6, kColours);
  gif.Comment("one").Control(0, 10).Image(0, 0, 10, 6, 2).Trailer();
  ASSERT_EQ(Load(picture, gif), 1);
  EXPECT_TRUE(picture.IsGif());
  EXPECT_EQ(picture.FrameCount(), 0u);
  EXPECT_EQ(picture.PictureWidth(), 10);
  EXPECT_EQ(picture.PictureHeight(), 6);
  EXPECT_EQ(picture.Draw(), 1);
  EXPECT_FALSE(picture.IsAnimating());
  EXPECT_EQ(picture.CanvasPixel(0, 0), kGreen);
  EXPECT_EQ(picture.CanvasPixel(9, 5), kGreen);
}

TEST(PictureGif, FramesAreDrawnAtTheirPlaceWithTheirDisposal) {
  CPictureEx picture;
  ASSERT_EQ(Load(picture, FourFrames()), 1);
  ASSERT_EQ(picture.FrameCount(), 4u);
  const winsys::Rgb bg = picture.BackgroundColour();
  ASSERT_NE(bg, kRed);
  EXPECT_EQ(picture.CanvasPixel(0, 0), winsys::MenuColour());

  picture.ShowFrameForTest();  // frame 0: the whole screen red, disposal 1
  EXPECT_EQ(picture.CanvasPixel(0, 0), kRed);
  EXPECT_EQ(picture.CanvasPixel(9, 5), kRed);
  picture.EndFrameForTest();
  EXPECT_EQ(picture.CanvasPixel(0, 0), kRed);
  EXPECT_EQ(picture.CurrentFrame(), 1u);

  picture.ShowFrameForTest();  // frame 1: green at 2,1 size 3 x 2, not stretched
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
      EXPECT_EQ(picture.CanvasPixel(x, y), inside ? kGreen : kRed) << x << "," << y;
    }
  }
  picture.EndFrameForTest();  // disposal 2: its rectangle in the background colour
  EXPECT_EQ(picture.CanvasPixel(2, 1), bg);
  EXPECT_EQ(picture.CanvasPixel(4, 2), bg);
  EXPECT_EQ(picture.CanvasPixel(5, 2), kRed);

  picture.ShowFrameForTest();  // frame 2: blue at 5,2 size 2 x 2
  EXPECT_EQ(picture.CanvasPixel(5, 2), kBlue);
  EXPECT_EQ(picture.CanvasPixel(6, 3), kBlue);
  EXPECT_EQ(picture.CanvasPixel(7, 3), kRed);
  picture.EndFrameForTest();  // disposal 3: what was under it comes back
  EXPECT_EQ(picture.CanvasPixel(5, 2), kRed);
  EXPECT_EQ(picture.CanvasPixel(6, 3), kRed);
  EXPECT_EQ(picture.CanvasPixel(2, 1), bg);

  picture.ShowFrameForTest();  // frame 3: one white pixel
  EXPECT_EQ(picture.CanvasPixel(9, 5), kWhite);
  EXPECT_EQ(picture.CanvasPixel(8, 5), kRed);
  picture.EndFrameForTest();  // past the last frame: the whole canvas cleared
  EXPECT_EQ(picture.CurrentFrame(), 0u);
  for (auto [x, y] : {std::pair{0, 0}, {9, 5}, {5, 2}, {3, 4}}) {
    EXPECT_EQ(picture.CanvasPixel(x, y), bg) << x << "," << y;
  }
  picture.ShowFrameForTest();
  EXPECT_EQ(picture.CanvasPixel(9, 5), kRed);
}

TEST(PictureGif, SeveralBlocksButOneDecodedFrameIsASinglePicture) {
  CPictureEx picture;
  GifBuilder gif(10, 6, kColours);
  gif.Control(2, 10).PlainText("no image rectangle").Control(0, 10).Image(2, 1, 3, 2, 2).Trailer();
  ASSERT_EQ(Load(picture, gif), 1);
  EXPECT_EQ(picture.FrameCount(), 1u);
  EXPECT_EQ(picture.Draw(), 1);
  EXPECT_FALSE(picture.IsAnimating());
  EXPECT_EQ(picture.CanvasPixel(2, 1), kGreen);
  EXPECT_EQ(picture.CanvasPixel(4, 2), kGreen);
  EXPECT_EQ(picture.CanvasPixel(0, 0), winsys::MenuColour());
  EXPECT_EQ(picture.CanvasPixel(5, 2), winsys::MenuColour());
}

TEST(PictureGif, NothingDecodableKeepsThePictureShown) {
  CPictureEx picture;
  GifBuilder good(10, 6, kColours);
  good.Image(0, 0, 10, 6, 1).Trailer();
  ASSERT_EQ(Load(picture, good), 1);
  ASSERT_EQ(picture.Draw(), 1);
  GifBuilder no_images(10, 6, kColours);
  no_images.Control(0, 10).PlainText("a").Control(0, 10).PlainText("b").Trailer();
  GifBuilder no_blocks(10, 6, kColours);
  no_blocks.Comment("only a comment").Trailer();
  // Frames with image rectangles whose data is no image: the frame GIFs do not decode.
  GifBuilder broken(10, 6, kColours);
  broken.Control(0, 10).Raw({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 0x0D, 0});
  broken.Control(0, 10).Raw({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 0x0D, 0}).Trailer();
  const std::vector<uint8_t> bmp_head = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0};
  for (const auto& [name, data] : {std::pair{"plain text only", no_images.Data()},
                                   {"no graphic block", no_blocks.Data()},
                                   {"frames that do not decode", broken.Data()},
                                   {"BMP header cut short", bmp_head}}) {
    EXPECT_EQ(picture.LoadFromMemory(data.data(), data.size()), 0) << name;
    EXPECT_TRUE(picture.IsCanvasReady()) << name;
    EXPECT_TRUE(picture.IsGif()) << name;
    EXPECT_EQ(picture.PictureWidth(), 10) << name;
    EXPECT_EQ(picture.CanvasPixel(3, 3), kRed) << name;
    EXPECT_EQ(picture.Draw(), 1) << name;
  }
}

TEST(PictureGif, TruncatedFileKeepsTheFramesWithinIt) {
  const GifBuilder whole = FourFrames();
  const auto& data = whole.Data();
  CPictureEx picture;
  // Cut inside the last frame: three frames remain.
  ASSERT_EQ(picture.LoadFromMemory(data.data(), data.size() - 4), 1);
  EXPECT_EQ(picture.FrameCount(), 3u);
  // Cut inside the first frame: nothing to show, so the three frames stay.
  EXPECT_EQ(picture.LoadFromMemory(data.data(), 13 + 12 + 20), 0);
  EXPECT_TRUE(picture.IsCanvasReady());
  EXPECT_EQ(picture.FrameCount(), 3u);
}

TEST(PictureGif, ScreenAndFrameLimits) {
  struct Case {
    const char* name;
    int width, height, frames;
    bool shown;
  } cases[] = {
      {"4096 wide", 4096, 2, 2, true},       {"4096 high", 2, 4096, 1, true},
      {"4097 wide", 4097, 2, 2, false},      {"4097 high", 2, 4097, 1, false},
      {"8000 x 8000", 8000, 8000, 1, false}, {"4096 frames", 8, 8, 4096, true},
      {"4097 frames", 8, 8, 4097, false},
  };
  for (const Case& c : cases) {
    GifBuilder gif(c.width, c.height, kColours);
    for (int i = 0; i < c.frames; ++i) gif.Control(0, 10).Image(i % 2, 0, 1, 1, 1 + i % 3);
    gif.Trailer();
    CPictureEx picture;
    EXPECT_EQ(Load(picture, gif), c.shown ? 1 : 0) << c.name;
    EXPECT_EQ(picture.IsCanvasReady(), c.shown) << c.name;
    if (c.shown && c.frames > 1) {
      EXPECT_EQ(picture.FrameCount(), static_cast<size_t>(c.frames)) << c.name;
    }
  }
}

TEST(PictureGif, FramesThatDoNotDecodeAreLeftOutWhenTheirTurnComes) {
  CPictureEx picture;
  GifBuilder gif(4, 4, kColours);
  gif.Control(1, 10).Image(0, 0, 4, 4, 1);
  gif.Control(1, 10).Raw({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 0x0D, 0});  // no image data
  gif.Control(1, 10).Image(0, 0, 2, 2, 3).Trailer();
  ASSERT_EQ(Load(picture, gif), 1);
  EXPECT_EQ(picture.FrameCount(), 3u);
  picture.ShowFrameForTest();
  EXPECT_EQ(picture.CanvasPixel(0, 0), kRed);
  picture.EndFrameForTest();
  picture.ShowFrameForTest();  // draws nothing
  EXPECT_EQ(picture.CanvasPixel(0, 0), kRed);
  picture.EndFrameForTest();
  picture.ShowFrameForTest();
  EXPECT_EQ(picture.CanvasPixel(0, 0), kBlue);
  EXPECT_EQ(picture.CanvasPixel(3, 3), kRed);
  // The animation thread goes past it as well.
  EXPECT_EQ(picture.Draw(), 0);
  std::set<winsys::Rgb> seen;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        seen.insert(picture.CanvasPixel(0, 0));
        return seen.count(kBlue) && picture.CurrentFrame() == 0;
      },
      kPatienceMs));
  picture.Unload();
}

TEST(PictureGif, ALoadThatFailsLeavesTheAnimationItsFrames) {
  CPictureEx picture;
  ASSERT_EQ(Load(picture, FourFrames()), 1);
  EXPECT_EQ(picture.Draw(), 0);
  ASSERT_TRUE(picture.IsAnimating());
  picture.Stop();
  const uint8_t junk[] = {'G', 'I', 'F', '8', '9', 'a', 1};
  EXPECT_EQ(picture.LoadFromMemory(junk, sizeof junk), 0);
  EXPECT_EQ(picture.FrameCount(), 4u);
  EXPECT_EQ(picture.Draw(), 0);  // goes on
  EXPECT_TRUE(picture.IsAnimating());
  picture.Unload();
}

TEST(PictureGif, AnimationRunsUntilStoppedIgnoringTheLoopCount) {
  winsys::Dialog window(102);
  ASSERT_TRUE(window.Create(nullptr));
  CPictureEx picture;
  picture.Attach(&window, 1021);
  ASSERT_EQ(Load(picture, FourFrames(/*loops=*/1)), 1);
  EXPECT_EQ(picture.Draw(), 0);
  EXPECT_TRUE(picture.IsAnimating());
  EXPECT_EQ(picture.Draw(), 0);  // a second draw starts no second thread
  // Every frame is seen, twice round: the single loop of the file does not end it.
  std::set<size_t> seen;
  int rounds = 0;
  size_t last = 0;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const size_t now = picture.CurrentFrame();
        if (now < last) ++rounds;
        last = now;
        seen.insert(now);
        return rounds >= 2;
      },
      kPatienceMs));
  EXPECT_EQ(seen.size(), 4u);
  // The window shows the canvas.
  ASSERT_TRUE(QTest::qWaitFor([&] { return picture.CurrentFrame() == 1; }, kPatienceMs));
  picture.Stop();
  EXPECT_FALSE(picture.IsAnimating());
  EXPECT_EQ(picture.CurrentFrame(), 1u);  // the index stays
  QTemporaryDir dir;
  const QString png = dir.filePath("banner.png");
  ASSERT_TRUE(window.GrabToPng(1021, png.toStdString()));
  const QImage shown(png);
  ASSERT_EQ(shown.width(), 10);
  for (auto [x, y] : {std::pair{0, 0}, {3, 1}, {9, 5}}) {
    EXPECT_EQ(shown.pixel(x, y) & 0xFFFFFF, picture.CanvasPixel(x, y)) << x << "," << y;
  }
  // Restarting goes on; unloading ends it.
  EXPECT_EQ(picture.Draw(), 0);
  EXPECT_TRUE(picture.IsAnimating());
  picture.Unload();
  EXPECT_FALSE(picture.IsAnimating());
  EXPECT_EQ(picture.FrameCount(), 0u);
  EXPECT_EQ(picture.BackgroundColour(), kWhite);
}

// Stop and Unload end the thread waiting out a frame of ten minutes, and join it; the
// repaints it posted are dropped with the window that goes right after.
TEST(PictureGif, StopAndUnloadWakeALongFrameAtOnce) {
  for (const bool unload : {false, true}) {
    auto window = std::make_unique<winsys::Dialog>(102);
    ASSERT_TRUE(window->Create(nullptr));
    auto picture = std::make_unique<CPictureEx>();
    picture->Attach(window.get(), 1021);
    GifBuilder gif(4, 4, kColours);
    gif.Control(0, 65535).Image(0, 0, 4, 4, 1).Control(0, 65535).Image(0, 0, 4, 4, 2).Trailer();
    ASSERT_EQ(Load(*picture, gif), 1);
    EXPECT_EQ(picture->Draw(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return picture->CanvasPixel(0, 0) == kRed; }, kPatienceMs));
    const auto start = std::chrono::steady_clock::now();
    if (unload) {
      picture->Unload();
    } else {
      picture->Stop();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << unload;
    EXPECT_FALSE(picture->IsAnimating()) << unload;
    EXPECT_EQ(picture->CurrentFrame(), 0u);
    EXPECT_EQ(picture->FrameCount(), unload ? 0u : 2u);
    picture.reset();
    window.reset();
    QCoreApplication::processEvents();
  }
}

TEST(PictureGif, PaintingWhileAnimatingShowsWholeFrames) {
  winsys::Dialog window(102);
  ASSERT_TRUE(window.Create(nullptr));
  CPictureEx picture;
  picture.Attach(&window, 1021);
  GifBuilder gif(40, 20, kColours);
  gif.Control(0, 0).Image(0, 0, 40, 20, 1).Control(0, 0).Image(0, 0, 40, 20, 3).Trailer();
  ASSERT_EQ(Load(picture, gif), 1);
  picture.Draw();
  QTemporaryDir dir;
  const std::string png = dir.filePath("b.png").toStdString();
  for (int i = 0; i < 30; ++i) {
    ASSERT_TRUE(window.GrabToPng(1021, png));
    const QImage shown(QString::fromStdString(png));
    const QRgb first = shown.pixel(0, 0) & 0xFFFFFF;
    // Each grab shows one frame entirely, or the background between rounds.
    EXPECT_EQ(shown.pixel(39, 19) & 0xFFFFFF, first);
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(7));
  }
  picture.Unload();
}

}  // namespace

namespace {

TEST(PictureGif, HugeScreenIsRefused) {
  CPictureEx picture;
  for (int frames : {1, 2}) {
    GifBuilder gif(20000, 20000, kColours);
    for (int i = 0; i < frames; ++i) gif.Control(0, 10).Image(0, 0, 2, 2, 1);
    gif.Trailer();
    EXPECT_EQ(Load(picture, gif), 0) << frames;
    EXPECT_FALSE(picture.IsCanvasReady());
  }
  GifBuilder empty_screen(0, 6, kColours);
  empty_screen.Image(0, 0, 2, 2, 1).Trailer();
  EXPECT_EQ(Load(picture, empty_screen), 0);
}

}  // namespace

namespace {

TEST(PictureGif, TransparentPixelsKeepWhatIsUnderThem) {
  CPictureEx picture;
  GifBuilder gif(10, 6, kColours);
  gif.Control(1, 10).Image(0, 0, 10, 6, 1);
  gif.Control(1, 10, /*transparent=*/0).Image(2, 1, 3, 2, {2, 0, 2, 0, 3, 0});
  gif.Trailer();
  ASSERT_EQ(Load(picture, gif), 1);
  picture.ShowFrameForTest();
  picture.EndFrameForTest();
  picture.ShowFrameForTest();
  EXPECT_EQ(picture.CanvasPixel(2, 1), kGreen);
  EXPECT_EQ(picture.CanvasPixel(3, 1), kRed);
  EXPECT_EQ(picture.CanvasPixel(4, 1), kGreen);
  EXPECT_EQ(picture.CanvasPixel(2, 2), kRed);
  EXPECT_EQ(picture.CanvasPixel(3, 2), kBlue);
  EXPECT_EQ(picture.CanvasPixel(4, 2), kRed);
}

}  // namespace
