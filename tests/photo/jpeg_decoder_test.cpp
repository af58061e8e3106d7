// JPEG decoding: sizes at each DCT scale, the scale chosen for a zoom,
// progress and cancelling, and damaged files that give a message.
#include "photo/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <vector>

#include "demo/demo_jpeg.h"

namespace kestrin::photo {
namespace {

std::string testJpeg(int width, int height, bool grey = false) {
  demo::Picture picture{width, height, grey, {}};
  const int channels = grey ? 1 : 3;
  picture.pixels.resize(static_cast<std::size_t>(width * height * channels));
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = static_cast<char>(i * 7 % 251);
  demo::JpegParams params;
  params.width = width;
  params.height = height;
  params.grey = grey;
  return demo::encodeJpeg(picture, params);
}

struct Decoded {
  JpegDecodeResult result;
  std::vector<unsigned char> pixels;
  std::vector<int> percents;
};

Decoded decode(const std::string& bytes, int denominator, int stopAt = 101) {
  Decoded out;
  JpegDecodeTarget target;
  target.allocate = [&out](JpegSize size, std::size_t stride) {
    out.pixels.assign(stride * static_cast<std::size_t>(size.height), 0);
    return out.pixels.data();
  };
  target.progress = [&out, stopAt](int percent) {
    out.percents.push_back(percent);
    return percent < stopAt;
  };
  out.result = decodeJpeg(bytes, denominator, target);
  return out;
}

struct ScaleCase {
  const char* name;
  int denominator;
  JpegSize decoded;
};

class JpegScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(JpegScaleTest, DecodesAtTheScale) {
  const Decoded d = decode(testJpeg(200, 120), GetParam().denominator);
  ASSERT_TRUE(d.result.ok) << d.result.error;
  EXPECT_EQ(d.result.full.width, 200);
  EXPECT_EQ(d.result.full.height, 120);
  EXPECT_EQ(d.result.decoded.width, GetParam().decoded.width);
  EXPECT_EQ(d.result.decoded.height, GetParam().decoded.height);
  EXPECT_EQ(d.percents.back(), 100);
}

INSTANTIATE_TEST_SUITE_P(Cases, JpegScaleTest,
                         ::testing::Values(ScaleCase{"Full", 1, {200, 120}}, ScaleCase{"Half", 2, {100, 60}},
                                           ScaleCase{"Quarter", 4, {50, 30}}, ScaleCase{"Eighth", 8, {25, 15}},
                                           ScaleCase{"UnsupportedMeansFull", 3, {200, 120}}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(JpegDecoder, GreyPicturesComeOutAsOpaqueGreyPixels) {
  const Decoded d = decode(testJpeg(16, 16, true), 1);
  ASSERT_TRUE(d.result.ok) << d.result.error;
  for (std::size_t i = 0; i < d.pixels.size(); i += 4) {
    ASSERT_EQ(d.pixels[i], d.pixels[i + 1]);
    ASSERT_EQ(d.pixels[i + 1], d.pixels[i + 2]);
  }
}

struct ZoomCase {
  double zoom;
  int denominator;
};

class DctScaleChoiceTest : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(DctScaleChoiceTest, SmallestScaleThatStillFills) {
  EXPECT_EQ(dctScaleDenominator(GetParam().zoom), GetParam().denominator);
}

INSTANTIATE_TEST_SUITE_P(Cases, DctScaleChoiceTest,
                         ::testing::Values(ZoomCase{2.0, 1}, ZoomCase{1.0, 1}, ZoomCase{0.51, 1}, ZoomCase{0.5, 2},
                                           ZoomCase{0.26, 2}, ZoomCase{0.25, 4}, ZoomCase{1000.0 / 6000, 4},
                                           ZoomCase{0.125, 8}, ZoomCase{0.01, 8}));

TEST(JpegDecoder, ProgressCanStopTheDecode) {
  const Decoded d = decode(testJpeg(64, 256), 1, 50);
  EXPECT_FALSE(d.result.ok);
  EXPECT_TRUE(d.result.cancelled);
  EXPECT_GE(d.percents.back(), 50);
}

struct DamageCase {
  const char* name;
  std::string bytes;
};

class DamagedJpegTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedJpegTest, GivesAMessageNotACrash) {
  const Decoded d = decode(GetParam().bytes, 1);
  EXPECT_FALSE(d.result.ok);
  EXPECT_FALSE(d.result.cancelled);
  EXPECT_FALSE(d.result.error.empty());
  EXPECT_FALSE(readJpegHeader(GetParam().bytes).ok && GetParam().bytes.size() < 3);
}

std::string corrupted() {
  std::string bytes = testJpeg(64, 64);
  // The start-of-frame's precision byte: libjpeg refuses 0-bit samples.
  const std::size_t sof = bytes.find("\xFF\xC0");
  bytes[sof + 4] = 0;
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedJpegTest,
                         ::testing::Values(DamageCase{"Truncated", testJpeg(64, 64).substr(0, 400)},
                                           DamageCase{"HeaderOnly", testJpeg(64, 64).substr(0, 30)},
                                           DamageCase{"CorruptedFrame", corrupted()},
                                           DamageCase{"NotAJpeg", "GIF89a not a jpeg at all"}, DamageCase{"Empty", ""}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace kestrin::photo
