// The alert chime we ship: a short, clean 16-bit PCM wave file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

TEST(NotifyWav, IsAShortUnclippedPcmChime) {
    std::ifstream in(std::string(PLIX_SOURCE_DIR) + "/data/Notify.wav", std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(b.size(), 44u);
    ASSERT_EQ(b.substr(0, 4), "RIFF");
    ASSERT_EQ(b.substr(8, 4), "WAVE");
    EXPECT_EQ(le(b, 4, 4), b.size() - 8);

    std::size_t at = 12, data = 0, dataSize = 0;
    std::uint32_t format = 0, channels = 0, rate = 0, bits = 0;
    while (at + 8 <= b.size()) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = le(b, at + 4, 4);
        if (id == "fmt ") {
            format = le(b, at + 8, 2);
            channels = le(b, at + 10, 2);
            rate = le(b, at + 12, 4);
            bits = le(b, at + 22, 2);
        } else if (id == "data") {
            data = at + 8;
            dataSize = size;
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_EQ(format, 1u);
    EXPECT_EQ(bits, 16u);
    ASSERT_GE(channels, 1u);
    ASSERT_GT(rate, 0u);
    ASSERT_NE(data, 0u);
    ASSERT_LE(data + dataSize, b.size());

    const std::size_t frames = dataSize / (2 * channels);
    const double seconds = static_cast<double>(frames) / rate;
    EXPECT_GE(seconds, 0.5);
    EXPECT_LE(seconds, 1.0);

    int peak = 0;
    for (std::size_t i = 0; i < frames * channels; ++i)
        peak = std::max(
            peak, std::abs(static_cast<int>(static_cast<std::int16_t>(le(b, data + 2 * i, 2)))));
    EXPECT_GT(peak, 8000);   // heard
    EXPECT_LT(peak, 32000);  // never clipped
    // Starts and ends at rest: no click.
    const auto sample = [&](std::size_t i) {
        return std::abs(static_cast<std::int16_t>(le(b, data + 2 * i, 2)));
    };
    EXPECT_LT(sample(0), 200);
    EXPECT_LT(sample(frames * channels - 1), 200);
}

}  // namespace
