#include <gtest/gtest.h>

#include "platform/runtime.h"

namespace {

TEST(Random, MatchesTheRunTimeSequence) {
    platform::srand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) {
        EXPECT_EQ(platform::rand(), value);
    }
    // Reseeding starts the same sequence again.
    platform::srand(1);
    EXPECT_EQ(platform::rand(), 41);
}

TEST(Random, StaysWithinFifteenBits) {
    platform::srand(86399);
    for (int i = 0; i < 100000; ++i) {
        const int r = platform::rand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, platform::kRandMax);
    }
}

TEST(ScanInt, ReadsAsPercentD) {
    struct Case {
        const char* text;
        bool read;
        int value;
    } cases[] = {
        {"30", true, 30},
        {"  -12x", true, -12},
        {"+7", true, 7},
        {"\t 5 min", true, 5},
        {"Random", false, 99},
        {"", false, 99},
        {"-", false, 99},
        {"- 5", false, 99},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"99999999999", true, 2147483647},
    };
    for (const Case& c : cases) {
        int value = 99;
        EXPECT_EQ(platform::ScanInt(c.text, value), c.read) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(Format, FormatsLikePrintf) {
    EXPECT_EQ(platform::Format("%d mins. %d secs.", -1, -5), "-1 mins. -5 secs.");
    EXPECT_EQ(platform::Format("%s", ""), "");
    const std::string longText(1000, 'x');
    EXPECT_EQ(platform::Format("%s!", longText.c_str()), longText + "!");
}

TEST(TextOrder, IgnoresCaseOfLetters) {
    EXPECT_EQ(platform::CompareNoCase("bell.wav", "BELL.WAV"), 0);
    EXPECT_LT(platform::CompareNoCase("bell.wav", "Internal Chime"), 0);
    EXPECT_LT(platform::CompareNoCase("Internal Chime", "Internal Chime 2.wav"), 0);
    EXPECT_GT(platform::CompareNoCase("zen.wav", "Random Soundfile"), 0);
    EXPECT_TRUE(platform::StartsWithNoCase("Internal Chime 2.wav", "internal chime"));
    EXPECT_FALSE(platform::StartsWithNoCase("Intern", "Internal"));
}

TEST(TextOrder, MatchesFilePatternsIgnoringCase) {
    EXPECT_TRUE(platform::MatchesPatternNoCase("bell.wav", "*.wav"));
    EXPECT_TRUE(platform::MatchesPatternNoCase("BELL.WAV", "*.wav"));
    EXPECT_TRUE(platform::MatchesPatternNoCase(".wav", "*.wav"));
    EXPECT_FALSE(platform::MatchesPatternNoCase("bell.wav.txt", "*.wav"));
    EXPECT_FALSE(platform::MatchesPatternNoCase("bell.wa", "*.wav"));
    EXPECT_TRUE(platform::MatchesPatternNoCase("a.b.wav", "*.wav"));
    EXPECT_TRUE(platform::MatchesPatternNoCase("x1.wav", "x?.wav"));
}

}  // namespace
