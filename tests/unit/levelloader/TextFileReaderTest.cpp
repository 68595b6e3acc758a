#include "levelloader/TextFileReader.h"
#include "levelloader/NumberConversion.h"

#include <boost/lexical_cast.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

using Vexmor::levelloader::TextFileReader;
using Tokens = std::vector<std::string>;

namespace {

class TextFileReaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(mkdtemp(dir.data()), nullptr); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Named with a backslash, the way the game names its files.
    std::string file(const std::string& text) {
        std::ofstream(dir + "/f.txt", std::ios::binary) << text;
        return dir + "\\f.txt";
    }

    std::string dir = (std::filesystem::temp_directory_path() / "vexmor-XXXXXX").string();
};

// Collects what is printed to std::cout while it lives.
struct Console {
    std::ostringstream text;
    std::streambuf* old = std::cout.rdbuf(text.rdbuf());
    ~Console() { std::cout.rdbuf(old); }
};

} // namespace

TEST_F(TextFileReaderTest, ReadsOneContentLineAheadAndCountsEveryLine) {
    const std::string name = file("xDim 6\n# size\n\nlast");
    Console console;
    TextFileReader reader(name.c_str());
    for (int pass = 0; pass < 2; ++pass) { // opening again starts at the top
        reader.open();
        EXPECT_EQ(reader.lineNumber(), 0);
        EXPECT_EQ(reader.tokensLineNumber(), -1);
        EXPECT_EQ(*reader.nextTokens(), (Tokens{"xDim", "6"}));
        EXPECT_EQ(reader.lineNumber(), 3);
        EXPECT_EQ(reader.tokensLineNumber(), 0) << "the line handed out, not the one waiting";
        EXPECT_TRUE(reader.isOpen());
        EXPECT_EQ(*reader.nextTokens(), (Tokens{"last"}));
        EXPECT_FALSE(reader.isOpen());
        EXPECT_EQ(reader.lineNumber(), 3);
        EXPECT_EQ(reader.tokensLineNumber(), 3);
        EXPECT_EQ(reader.nextTokens(), nullptr);
        EXPECT_EQ(reader.tokensLineNumber(), 3);
    }
    EXPECT_EQ(console.text.str(), "");
}

TEST_F(TextFileReaderTest, OnlySpacesSeparateAndOnlyLeadingHashComments) {
    const std::string name = file("  v   1.5    -2  \r\n \t \n\t # indented\na\tb  c\nx#y\n");
    TextFileReader reader(name.c_str());
    reader.open();
    EXPECT_EQ(*reader.nextTokens(), (Tokens{"v", "1.5", "-2"}));
    EXPECT_EQ(*reader.nextTokens(), (Tokens{"a\tb", "c"}));
    EXPECT_EQ(*reader.nextTokens(), (Tokens{"x#y"}));
    EXPECT_FALSE(reader.isOpen());
}

TEST_F(TextFileReaderTest, ReadAllPrintsWhatReadingLineByLinePrints) {
    const std::string missing = dir + "\\missing.txt";
    const std::string expected =
        "\nNot found: " + missing + "\nLogical error on i/o operation in File '" + missing + "'\n";
    TextFileReader reader(missing.c_str());
    std::string contents = "stale";
    {
        Console console;
        reader.open();
        EXPECT_EQ(reader.nextTokens(), nullptr);
        EXPECT_FALSE(reader.readAll(contents));
        EXPECT_EQ(console.text.str(), expected + expected);
    }
    EXPECT_EQ(contents, "");

    Console console;
    for (const std::string& text : Tokens{"", "v 1\r\n# c\n\nf 1", std::string(200000, 'x')}) {
        EXPECT_TRUE(TextFileReader(file(text).c_str()).readAll(contents));
        EXPECT_EQ(contents, text);
    }
    EXPECT_EQ(console.text.str(), "");
}

TEST(NumberConversion, GivesLexicalCastsVerdictAndValue) {
    // Short integers and plain reals take faster roads than lexical_cast; the answers must
    // not differ.
    // Split at "|" so that empty and padded tokens are tried as well.
    std::istringstream tokens("12|-7|+3|1.5|12ab|1.5f|| 1|2147483648|-2147483648|-2.5E-1|1e3|.5|5.|"
                              "1e|1e-|0x10|inf|-Infinity|NaN|1e39|1e-45|1e-50|0.1|3.4028236e38|"
                              "123456789012345678901234567890|-0|-0.0|+|-|007|999999999|"
                              "-999999999|1000000000|-2147483649|16777216|16777217|1677721.7|"
                              "16777217.0|0.1234567|-123.4567|0.0000000001|0.00000000001|"
                              "1.50000000000|3.000000|0.333333343267|9999999999");
    for (std::string token; std::getline(tokens, token, '|');) {
        SCOPED_TRACE(token);
        std::int32_t integer = 0;
        std::int32_t expectedInteger = 0;
        const bool isInteger = Vexmor::levelloader::toInt(token, integer);
        EXPECT_EQ(isInteger, boost::conversion::try_lexical_convert(token, expectedInteger));
        EXPECT_TRUE(!isInteger || integer == expectedInteger);

        float real = 0.0f;
        float expectedReal = 0.0f;
        const bool converts = Vexmor::levelloader::toFloat(token, real);
        EXPECT_EQ(converts, boost::conversion::try_lexical_convert(token, expectedReal));
        EXPECT_TRUE(!converts || std::memcmp(&real, &expectedReal, sizeof real) == 0 ||
                    (std::isnan(real) && std::isnan(expectedReal)));
    }
}

TEST(NumberConversion, ShortRealsRoundLikeLexicalCast) {
    // Plain reals around the fast road's edges: integers near 2^24 in their digits, up to
    // eleven decimals, either sign.
    std::uint64_t seed = 7;
    const auto random = [&seed](std::uint64_t below) {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        return (seed >> 33) % below;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t digits = random(2) == 0 ? random(100000000) : 16777200 + random(40);
        std::string token = std::to_string(digits);
        const std::size_t decimals = std::min<std::size_t>(random(12), token.size() + 3);
        token.insert(0, decimals + 1 > token.size() ? decimals + 1 - token.size() : 0, '0');
        if (decimals > 0) {
            token.insert(token.size() - decimals, ".");
        }
        if (random(2) == 0) {
            token.insert(0, "-");
        }
        SCOPED_TRACE(token);
        float real = 0.0f;
        float expected = 0.0f;
        ASSERT_TRUE(Vexmor::levelloader::toFloat(token, real));
        ASSERT_TRUE(boost::conversion::try_lexical_convert(token, expected));
        ASSERT_EQ(std::memcmp(&real, &expected, sizeof real), 0);
    }
}
