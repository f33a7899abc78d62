#include "reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace judge {
namespace {

// Buffer layouts every case runs under: the source's chunk size and the
// reader's buffer size. Small ones put boundaries inside numbers and between
// CR and LF.
struct Layout {
    std::size_t chunk;
    std::size_t buffer;
};
const Layout kLayouts[] = {{SIZE_MAX, Reader::kDefaultBufferSize}, {1, 2}, {2, 3}, {3, 7}, {1, 16}, {5, 5}};

// The outcomes of "%d" reads until the end, one word each: the value, "big"
// for a number beyond 64 bits, "?" for no number. A no-number outcome is read
// twice, since it must leave the text unread.
std::string scan_all(const std::string& text, Layout layout) {
    Reader reader = Reader::from_text(text, layout.chunk, layout.buffer);
    std::string words;
    for (int guard = 0; guard < 100; ++guard) {
        ScannedInt value;
        const Scan scan = reader.read_int(value);
        if (!words.empty()) words += ' ';
        if (scan == Scan::End) return words + ".";
        if (scan == Scan::NoNumber) {
            EXPECT_EQ(reader.read_int(value), Scan::NoNumber);
            return words + "?";
        }
        if (!value.fits_int64()) {
            words += "big";
        } else {
            words += std::to_string(value.as_int64());
        }
    }
    return words + " (too many)";
}

TEST(ReaderScan, OutcomesOfPercentD) {
    const std::string long_digits(1000, '7');
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", "."},
        {" \t\r\n\v\f ", "."},
        {"42", "42 ."},
        {"  -17\r\n", "-17 ."},
        {"+5 007 -0", "5 7 0 ."},
        {"1 2\n3\r\n\r\n", "1 2 3 ."},
        {"12abc", "12 ?"},
        {"1-2+3", "1 -2 3 ."},
        {"1.5", "1 ?"},
        {"-", "?"},
        {"- 5", "?"},
        {"+x", "?"},
        {"--5", "?"},
        {"abc", "?"},
        {"\x1a" "5", "?"},
        {std::string("\0" "5", 2), "?"},
        {"\r5", "5 ."},
        {"2147483647 -2147483648", "2147483647 -2147483648 ."},
        {"4294967297", "4294967297 ."},
        {"9223372036854775807 -9223372036854775808", "9223372036854775807 -9223372036854775808 ."},
        {"9223372036854775808", "big ."},
        {"18446744073709551615 18446744073709551616", "big big ."},
        {long_digits + " 3", "big 3 ."},
        {"-000000000000000000000000000000001", "-1 ."},
    };
    for (const Layout layout : kLayouts) {
        for (const Case& c : cases) {
            EXPECT_EQ(scan_all(c.text, layout), c.expected)
                << "text \"" << c.text << "\", chunk " << layout.chunk << ", buffer " << layout.buffer;
        }
    }
}

TEST(ReaderScan, IntegerRanges) {
    struct Case {
        const char* text;
        bool fits_int32;
        bool fits_int64;
    };
    const Case cases[] = {
        {"2147483647", true, true},           {"2147483648", false, true},
        {"-2147483648", true, true},          {"-2147483649", false, true},
        {"9223372036854775807", false, true}, {"-9223372036854775808", false, true},
        {"9223372036854775808", false, false}, {"99999999999999999999999", false, false},
    };
    for (const Case& c : cases) {
        Reader reader = Reader::from_text(c.text);
        ScannedInt value;
        ASSERT_EQ(reader.read_int(value), Scan::Number) << c.text;
        EXPECT_EQ(value.fits_int32(), c.fits_int32) << c.text;
        EXPECT_EQ(value.fits_int64(), c.fits_int64) << c.text;
    }
    Reader reader = Reader::from_text("-2147483648");
    ScannedInt value;
    reader.read_int(value);
    EXPECT_EQ(value.as_int32(), INT32_MIN);
}

// The "%c" reads until the end, with CR LF folded into '\n'.
std::string chars_all(const std::string& text, Layout layout) {
    Reader reader = Reader::from_text(text, layout.chunk, layout.buffer);
    std::string out;
    for (int c = reader.read_char(); c != EOF; c = reader.read_char()) out += static_cast<char>(c);
    return out;
}

TEST(ReaderChars, CrLfArrivesAsOneNewline) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"a\r\nb", "a\nb"},
        {"a\nb\n", "a\nb\n"},
        {"\r", "\r"},
        {"a\rb", "a\rb"},
        {"\r\r\n", "\r\n"},
        {"\n\r", "\n\r"},
        {"1 2\r\n3\r\n", "1 2\n3\n"},
        {std::string("\0\x1a\xff", 3), std::string("\0\x1a\xff", 3)},
    };
    for (const Layout layout : kLayouts) {
        for (const Case& c : cases) {
            EXPECT_EQ(chars_all(c.text, layout), c.expected) << "chunk " << layout.chunk << ", buffer " << layout.buffer;
        }
    }
}

TEST(ReaderChars, CrAtTheEndOfOneBufferAndLfAtTheStartOfTheNext) {
    // A buffer of 4 bytes ends right after the CR.
    Reader reader = Reader::from_text("abc\r\nd", SIZE_MAX, 4);
    EXPECT_EQ(reader.read_char(), 'a');
    EXPECT_EQ(reader.read_char(), 'b');
    EXPECT_EQ(reader.read_char(), 'c');
    EXPECT_EQ(reader.read_char(), '\n');
    EXPECT_EQ(reader.read_char(), 'd');
    EXPECT_EQ(reader.read_char(), EOF);
}

TEST(ReaderScan, NumberSplitAcrossBuffersAndThenCharacters) {
    Reader reader = Reader::from_text("123456789 x\r\n", SIZE_MAX, 4);
    ScannedInt value;
    ASSERT_EQ(reader.read_int(value), Scan::Number);
    EXPECT_EQ(value.as_int64(), 123456789);
    EXPECT_EQ(reader.read_char(), ' ');
    EXPECT_EQ(reader.read_char(), 'x');
    EXPECT_EQ(reader.read_char(), '\n');
    EXPECT_EQ(reader.read_char(), EOF);
}

}  // namespace
}  // namespace judge
