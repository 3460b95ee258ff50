// Writes the GIF fixtures of the banner tests as the fuzzer's starting corpus.
#include <cstdio>
#include <string>
#include <vector>

#include "tests/banner/gif_fixture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds FOLDER\n");
    return 2;
  }
  using giftest::GifBuilder;
  const std::vector<uint32_t> colours = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};
  std::vector<GifBuilder> seeds;
  seeds.emplace_back(8, 4, colours);
  seeds.back().Image(0, 0, 8, 4, 2).Trailer();
  seeds.emplace_back(10, 6, colours);
  seeds.back().Application(0).Control(1, 0).Image(0, 0, 10, 6, 1).Comment("between");
  seeds.back().Control(2, 4).Image(2, 1, 3, 2, 2).Control(3, 10).Image(5, 2, 2, 2, 3);
  seeds.back().Control(0, 50).Image(9, 5, 1, 1, 0).Trailer();
  seeds.emplace_back(10, 6, colours);
  seeds.back().Control(2, 10).PlainText("text").Image(1, 1, 2, 2, {1, 2, 3, 0}, colours);
  seeds.back().Control(0, 7).Control(3, 9).Image(0, 0, 4, 4, 1).Trailer();
  seeds.emplace_back(4, 4, std::vector<uint32_t>{});
  seeds.back().Comment(std::string(600, 'x')).Image(0, 0, 4, 4, 1).Image(1, 1, 1, 1, 2);
  int written = 0;
  for (const GifBuilder& seed : seeds) {
    const std::vector<uint8_t>& data = seed.Data();
    // Whole, and cut off in the middle.
    for (size_t size : {data.size(), data.size() / 2}) {
      const std::string path = std::string(argv[1]) + "/seed-" + std::to_string(written++) + ".gif";
      std::FILE* file = std::fopen(path.c_str(), "wb");
      if (!file || std::fwrite(data.data(), 1, size, file) != size || std::fclose(file) != 0) {
        std::fprintf(stderr, "make_seeds: cannot write %s\n", path.c_str());
        return 1;
      }
    }
  }
  return 0;
}
