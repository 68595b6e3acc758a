#include "levelloader/TextFileReader.h"
#include "levelloader/NumberConversion.h"

#include <boost/lexical_cast.hpp>
#include <gtest/gtest.h>

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
    // Plain reals take a faster road than lexical_cast; the answers must not differ.
    // Split at "|" so that empty and padded tokens are tried as well.
    std::istringstream tokens("12|-7|+3|1.5|12ab|1.5f|| 1|2147483648|-2147483648|-2.5E-1|1e3|.5|5.|"
                              "1e|1e-|0x10|inf|-Infinity|NaN|1e39|1e-45|1e-50|0.1|3.4028236e38|"
                              "123456789012345678901234567890");
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
