#include "reader.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace judge {

FileSource::~FileSource() {
    if (file_ != nullptr) std::fclose(file_);
}

std::size_t FileSource::read(char* destination, std::size_t capacity) {
    const std::size_t count = std::fread(destination, 1, capacity, file_);
    if (count == 0 && std::ferror(file_)) failed_ = true;
    return count;
}

std::size_t TextSource::read(char* destination, std::size_t capacity) {
    const std::size_t count = std::min({capacity, chunk_, text_.size() - position_});
    std::memcpy(destination, text_.data() + position_, count);
    position_ += count;
    return count;
}

bool ScannedInt::fits_int64() const {
    if (!exact) return false;
    const std::uint64_t limit = std::uint64_t{1} << 63;
    return negative ? magnitude <= limit : magnitude < limit;
}

bool ScannedInt::fits_int32() const {
    if (!exact) return false;
    const std::uint64_t limit = std::uint64_t{1} << 31;
    return negative ? magnitude <= limit : magnitude < limit;
}

std::int64_t ScannedInt::as_int64() const {
    // Negating in unsigned arithmetic keeps the most negative value defined.
    return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

std::int32_t ScannedInt::as_int32() const { return static_cast<std::int32_t>(as_int64()); }

Reader::Reader(std::unique_ptr<ByteSource> source, std::size_t buffer_size)
    : source_(std::move(source)), buffer_(std::max<std::size_t>(buffer_size, 2)) {}

Reader Reader::from_text(std::string text, std::size_t chunk, std::size_t buffer_size) {
    // No need for a buffer larger than the text: in-process judging of many
    // small texts then costs no megabyte each.
    buffer_size = std::min(buffer_size, std::max<std::size_t>(text.size(), 16));
    return Reader(std::make_unique<TextSource>(std::move(text), chunk), buffer_size);
}

bool Reader::fill(std::size_t wanted) {
    wanted = std::min(wanted, buffer_.size());
    if (end_ - position_ >= wanted) return true;
    if (source_ended_) return false;
    // Keep the unconsumed bytes, moved to the front, and read after them.
    const std::size_t kept = end_ - position_;
    std::memmove(buffer_.data(), buffer_.data() + position_, kept);
    position_ = 0;
    end_ = kept;
    while (end_ < wanted) {
        const std::size_t count = source_->read(buffer_.data() + end_, buffer_.size() - end_);
        if (count == 0) {
            source_ended_ = true;
            break;
        }
        end_ += count;
    }
    return end_ >= wanted;
}

void Reader::skip_space() {
    for (;;) {
        while (position_ < end_) {
            if (!is_space(static_cast<unsigned char>(buffer_[position_]))) return;
            ++position_;
        }
        if (!fill(1)) return;
    }
}

Scan Reader::skip_space_to_token() {
    skip_space();
    const int first = peek();
    if (first == EOF) return Scan::End;
    if (is_digit(first)) return Scan::Number;
    if (is_sign(first) && fill(2) && is_digit(static_cast<unsigned char>(buffer_[position_ + 1]))) {
        return Scan::Number;
    }
    return Scan::NoNumber;
}

Scan Reader::read_int(ScannedInt& value) {
    const Scan outcome = skip_space_to_token();
    if (outcome != Scan::Number) return outcome;
    value = ScannedInt{};
    const int first = peek();
    if (is_sign(first)) {
        value.negative = first == '-';
        skip();
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t magnitude = 0;
    bool exact = true;
    for (;;) {
        while (position_ < end_) {
            const unsigned digit = static_cast<unsigned char>(buffer_[position_]) - unsigned{'0'};
            if (digit > 9) {
                value.magnitude = magnitude;
                value.exact = exact;
                return Scan::Number;
            }
            if (exact) {
                if (magnitude > (kMax - digit) / 10) {
                    exact = false;  // keep consuming the digits, but stop counting
                } else {
                    magnitude = magnitude * 10 + digit;
                }
            }
            ++position_;
        }
        if (!fill(1)) break;
    }
    value.magnitude = magnitude;
    value.exact = exact;
    return Scan::Number;
}

int Reader::read_char() {
    const int c = peek();
    if (c == EOF) return EOF;
    skip();
    if (c == '\r' && peek() == '\n') {
        skip();
        return '\n';
    }
    return c;
}

}  // namespace judge
