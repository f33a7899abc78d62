#include "message.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace judge {
namespace {

TEST(FillMessage, ScoreFieldsAndNumbers) {
    struct Case {
        const char* format;
        std::int64_t value;
        const char* expected;
    };
    const Case cases[] = {
        {"%2d", 0, " 0"},     {"%2d", 5, " 5"},     {"%2d", 100, "100"},   {"%02d", 5, "05"},
        {"%02d", 0, "00"},    {"%02d", 40, "40"},   {"%02d", 100, "100"},  {"%02d", -5, "-5"},
        {"%2d", -5, "-5"},    {"%d", 0, "0"},       {"%d", -7, "-7"},      {"%d", 4294967296, "4294967296"},
        {"%d", INT64_MIN, "-9223372036854775808"},  {"%d", INT64_MAX, "9223372036854775807"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fill_message(c.format, {c.value}), c.expected) << c.format << " with " << c.value;
    }
}

TEST(FillMessage, TextLiteralsAndMixedFields) {
    EXPECT_EQ(fill_message("%2d - на %d-ому місці!\n", {0, 3}), " 0 - на 3-ому місці!\n");
    EXPECT_EQ(fill_message("usage: %s <x>\n", {"prog"}), "usage: prog <x>\n");
    EXPECT_EQ(fill_message("100%% - %02d", {7}), "100% - 07");
    EXPECT_EQ(fill_message(" 0 - no fields", {}), " 0 - no fields");
}

TEST(FillMessage, FieldsAndArgumentsMustAgree) {
    EXPECT_THROW(fill_message("%d %d", {1}), std::logic_error);
    EXPECT_THROW(fill_message("%d", {1, 2}), std::logic_error);
    EXPECT_THROW(fill_message("%s", {1}), std::logic_error);
    EXPECT_THROW(fill_message("%d", {"x"}), std::logic_error);
    EXPECT_THROW(fill_message("%5d", {1}), std::logic_error);
}

TEST(ReportBytes, Windows1251WithCrLf) {
    // "і" (Cyrillic) is 0xB3; a Latin "i" stays 0x69.
    EXPECT_EQ(*to_report_bytes("і"), "\xB3");
    EXPECT_EQ(*to_report_bytes("i"), "i");
    EXPECT_EQ(*to_report_bytes("Всі"), "\xC2\xF1\xB3");
    EXPECT_EQ(*to_report_bytes("ЄєЇїҐґ’"), "\xAA\xBA\xAF\xBF\xA5\xB4\x92");
    EXPECT_EQ(*to_report_bytes("АЯая"), "\xC0\xDF\xE0\xFF");
    EXPECT_EQ(*to_report_bytes("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(*to_report_bytes(""), "");
}

TEST(ReportBytes, CharactersOutsideTheCodePageAreRefused) {
    EXPECT_FALSE(to_report_bytes("ü").has_value());
    EXPECT_FALSE(to_report_bytes("日本").has_value());
    EXPECT_FALSE(to_report_bytes("\xD0").has_value());  // cut-off UTF-8 sequence
    EXPECT_FALSE(to_report_bytes("\xFF").has_value());  // not UTF-8 at all
    static_assert(cp1251::encodable("Правильна відповідь. Біда... розв'язок"));
    static_assert(!cp1251::encodable("ü"));
}

}  // namespace
}  // namespace judge
