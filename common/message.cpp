#include "message.h"

#include <stdexcept>

namespace judge {

std::optional<std::string> to_report_bytes(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size() + 8);
    std::size_t at = 0;
    while (at < utf8.size()) {
        std::size_t length = 0;
        const int byte = cp1251::byte_of(cp1251::decode_utf8(utf8, at, length));
        if (byte < 0) return std::nullopt;
        if (byte == '\n') bytes.push_back('\r');
        bytes.push_back(static_cast<char>(byte));
        at += length;
    }
    return bytes;
}

namespace {

std::string decimal(std::int64_t number) {
    // Built by hand: the C library's "%lld" is not available everywhere the
    // checkers are built, and the most negative value has no positive twin.
    std::uint64_t magnitude = number < 0 ? 0 - static_cast<std::uint64_t>(number)
                                         : static_cast<std::uint64_t>(number);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0) digits.insert(digits.begin(), '-');
    return digits;
}

std::string padded(std::string text, char fill) {
    if (text.size() >= 2) return text;  // "-5" is already two wide
    return std::string(2 - text.size(), fill) + text;
}

}  // namespace

std::string fill_message(std::string_view format, std::initializer_list<MessageArg> args) {
    std::string out;
    auto next = args.begin();
    auto take = [&]() -> const MessageArg& {
        if (next == args.end()) throw std::logic_error("message has more fields than arguments");
        return *next++;
    };
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out.push_back(format[i]);
            continue;
        }
        const std::string_view rest = format.substr(i);
        if (rest.substr(0, 2) == "%%") {
            out.push_back('%');
            i += 1;
        } else if (rest.substr(0, 2) == "%s") {
            const MessageArg& arg = take();
            if (!arg.is_text()) throw std::logic_error("%s field given a number");
            out.append(arg.text());
            i += 1;
        } else {
            std::size_t field_length = 0;
            char fill = 0;
            if (rest.substr(0, 2) == "%d") {
                field_length = 2;
            } else if (rest.substr(0, 3) == "%2d") {
                field_length = 3;
                fill = ' ';
            } else if (rest.substr(0, 4) == "%02d") {
                field_length = 4;
                fill = '0';
            } else {
                throw std::logic_error("unsupported field in message");
            }
            const MessageArg& arg = take();
            if (arg.is_text()) throw std::logic_error("number field given a text");
            const std::string text = decimal(arg.number());
            out.append(fill ? padded(text, fill) : text);
            i += field_length - 1;
        }
    }
    if (next != args.end()) throw std::logic_error("message has fewer fields than arguments");
    return out;
}

}  // namespace judge
