// Photographs: a 24-megapixel scan decoded for a 1000 × 700 area (the DCT
// scale the window picks, and the full size for comparison), and the photo
// search over a catalogue of 100,000 photos read from photo.dat.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "demo/demo_jpeg.h"
#include "photo/jpeg_decoder.h"
#include "photo/photo_catalogue.h"
#include "photo/picture_zoom.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::bench {
namespace {

const std::string& scanJpeg() {
  static const std::string bytes = [] {
    demo::JpegParams params;
    params.width = 6000;
    params.height = 4000;
    params.quality = 85;
    demo::Picture picture{params.width, params.height, false, {}};
    picture.pixels.resize(static_cast<std::size_t>(params.width) * params.height * 3);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
      picture.pixels[i] = static_cast<char>((i / 3 % 6000) ^ (i / 18000));
    }
    return demo::encodeJpeg(picture, params);
  }();
  return bytes;
}

void decodeScan(benchmark::State& state, int denominator) {
  const std::string& bytes = scanJpeg();
  std::vector<unsigned char> pixels;
  photo::JpegDecodeTarget target;
  target.allocate = [&pixels](photo::JpegSize size, std::size_t stride) {
    pixels.resize(stride * static_cast<std::size_t>(size.height));
    return pixels.data();
  };
  for (auto _ : state) {
    const photo::JpegDecodeResult result = photo::decodeJpeg(bytes, denominator, target);
    if (!result.ok) state.SkipWithError(result.error.c_str());
    benchmark::DoNotOptimize(pixels.data());
  }
}

void PhotoDecode24MpFitted(benchmark::State& state) {
  decodeScan(state, photo::dctScaleDenominator(photo::fitZoom(6000, 4000, 1000, 700)));
}
BENCHMARK(PhotoDecode24MpFitted)->Unit(benchmark::kMillisecond);

void PhotoDecode24MpFullSize(benchmark::State& state) { decodeScan(state, 1); }
BENCHMARK(PhotoDecode24MpFullSize)->Unit(benchmark::kMillisecond);

// photo.dat of `count` photos in folders of six, most with a description.
const testing::TempDir& catalogueFolder(int count) {
  static const testing::TempDir dir("kestrin-photo-bench");
  static int written = 0;
  if (written != count) {
    std::string content;
    const std::string words[] = {"Митинг", "Парад", "Здание школы", "Делегаты съезда", "Вид на реку"};
    for (int i = 0; i < count; ++i) {
      content += "\"D:\\Photo\\Ф.   " + std::to_string(i / 600) + "\\Оп.   1\\Д.    " + std::to_string(i / 6) + "\\" +
                 std::to_string(i % 6) + ".jpg\" " + words[i % 5] + ", " + std::to_string(1900 + i % 100) + " г.\r\n";
    }
    testing::writeFileBytes(dir.file("photo.dat"), text::utf8ToCp1251(content));
    written = count;
  }
  return dir;
}

void PhotoCatalogueLoad(benchmark::State& state) {
  const testing::TempDir& dir = catalogueFolder(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    photo::PhotoCatalogue catalogue;
    catalogue.loadFile(dir.file("photo.dat"), dir.path() + "/");
    benchmark::DoNotOptimize(catalogue.lines().data());
  }
}
BENCHMARK(PhotoCatalogueLoad)->Arg(100000)->Unit(benchmark::kMillisecond);

void PhotoCatalogueSearch(benchmark::State& state) {
  const testing::TempDir& dir = catalogueFolder(static_cast<int>(state.range(0)));
  photo::PhotoCatalogue catalogue;
  catalogue.loadFile(dir.file("photo.dat"), dir.path() + "/");
  const std::string query = text::utf8ToCp1251("школы 1950 ");
  for (auto _ : state) {
    benchmark::DoNotOptimize(catalogue.search(query, photo::PhotoSearchMode::AllWords));
  }
}
BENCHMARK(PhotoCatalogueSearch)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin::bench
