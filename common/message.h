// Verdict messages: filling their fields and turning them into report bytes.
//
// Messages are written in the source as UTF-8 literals. The report is read by
// testing systems that expect Windows-1251, one byte per character, with every
// line end stored as CR LF (what a Windows text-mode stream writes). The
// conversion is checked at compile time: a verdict table whose text holds a
// character Windows-1251 lacks does not build.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace judge {

namespace cp1251 {

// Unicode code points of the bytes 0x80..0xFF; 0 marks the one unused byte.
inline constexpr char32_t kUpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The Windows-1251 byte of a code point, or -1 when the code page lacks it.
constexpr int byte_of(char32_t code_point) {
    if (code_point < 0x80) return static_cast<int>(code_point);
    for (int i = 0; i < 128; ++i) {
        if (kUpperHalf[i] == code_point) return 0x80 + i;
    }
    return -1;
}

// Decodes one UTF-8 sequence starting at text[at]; sets `length` to its size.
// Returns a value above 0x10FFFF for malformed input.
constexpr char32_t decode_utf8(std::string_view text, std::size_t at, std::size_t& length) {
    constexpr char32_t kBad = 0x110000;
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t extra = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07;
    } else {
        length = 1;
        return kBad;
    }
    if (at + extra >= text.size()) {
        length = text.size() - at;
        return kBad;
    }
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            length = i;
            return kBad;
        }
        value = (value << 6) | (next & 0x3F);
    }
    length = extra + 1;
    return value;
}

// True when every character of the UTF-8 text has a Windows-1251 byte.
constexpr bool encodable(std::string_view utf8) {
    std::size_t at = 0;
    while (at < utf8.size()) {
        std::size_t length = 0;
        if (byte_of(decode_utf8(utf8, at, length)) < 0) return false;
        at += length;
    }
    return true;
}

}  // namespace cp1251

// The bytes a message takes in the report: Windows-1251, "\n" stored as CR LF.
// Returns nothing when a character cannot be encoded; the callers' tables are
// checked at compile time, so this only guards text built at run time.
std::optional<std::string> to_report_bytes(std::string_view utf8);

// One value for a field of a message template.
class MessageArg {
public:
    MessageArg(std::int64_t number) : number_(number) {}  // NOLINT: implicit by design
    MessageArg(int number) : number_(number) {}           // NOLINT
    MessageArg(std::string_view text) : text_(text), is_text_(true) {}  // NOLINT
    MessageArg(const char* text) : text_(text), is_text_(true) {}       // NOLINT

    bool is_text() const { return is_text_; }
    std::int64_t number() const { return number_; }
    std::string_view text() const { return text_; }

private:
    std::int64_t number_ = 0;
    std::string_view text_;
    bool is_text_ = false;
};

// Fills a message template the way printf fills these fields: "%d", "%2d"
// (at least two characters, blank-filled), "%02d" (at least two digits,
// zero-filled), "%s" and "%%". Numbers are 64-bit, so positions and costs
// never wrap. Throws std::logic_error when the fields and arguments disagree,
// which only a programming error can cause.
std::string fill_message(std::string_view format, std::initializer_list<MessageArg> args);

}  // namespace judge
