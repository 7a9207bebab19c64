// The pictures and the icon, and the files a Windows build embeds.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "res/art.h"

namespace {

std::size_t DistinctColours(const res::Image& image) {
    return std::set<std::uint32_t>(image.argb.begin(), image.argb.end()).size();
}

TEST(Art, ThePicturesArePicturesNotPatterns) {
    const res::Image picture = res::RenderPicture(211, 307);
    ASSERT_EQ(picture.argb.size(), 211u * 307u);
    EXPECT_GT(DistinctColours(picture), 2000u);
    for (std::uint32_t p : picture.argb) {
        ASSERT_EQ(p >> 24, 0xFFu);  // opaque: a 24-bit picture
    }
    EXPECT_GT(DistinctColours(res::RenderOptionsPicture(116, 115)), 300u);
}

TEST(Art, TheIconIsRoundOnATransparentGround) {
    for (int size : {16, 32}) {
        const res::Image icon = res::RenderIcon(size);
        EXPECT_EQ(icon.argb[0] >> 24, 0u) << size;  // the corner is transparent
        EXPECT_EQ(icon.argb[static_cast<std::size_t>(size / 2) * size + size / 2] >> 24, 0xFFu);
    }
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::uint32_t U32(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8 |
           static_cast<unsigned char>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

TEST(Art, TheBuildWritesBitmapsAndAnIcon) {
    const std::string picture = Slurp(SELVANTORA_ART_DIR "/picture.bmp");
    ASSERT_GE(picture.size(), 54u);
    EXPECT_EQ(picture.substr(0, 2), "BM");
    EXPECT_EQ(U32(picture, 18), 211u);
    EXPECT_EQ(U32(picture, 22), 307u);
    EXPECT_EQ(picture[28], 24);
    EXPECT_EQ(picture.size(), 54u + 636u * 307u);  // rows padded to 4 bytes

    const std::string icon = Slurp(SELVANTORA_ART_DIR "/selvantora.ico");
    ASSERT_GE(icon.size(), 38u);
    EXPECT_EQ(icon.substr(0, 4), std::string("\0\0\1\0", 4));
    EXPECT_EQ(icon[4], 2);    // two images
    EXPECT_EQ(icon[6], 32);   // 32 x 32
    EXPECT_EQ(icon[22], 16);  // 16 x 16
}

}  // namespace
