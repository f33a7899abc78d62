// Reading the checkers' files the way formatted scanning reads a text-mode
// stream on Windows, identically on every platform.
//
// Files are read in binary mode through one large buffer. A CR LF pair reaches
// "%c" reads as one '\n' (a lone CR stays CR); the byte 0x1A is an ordinary
// character. Numbers are parsed by hand: the C library's "%d" is slow and its
// handling of values beyond 32 bits differs between C libraries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace judge {

// Where a reader's bytes come from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to `capacity` bytes into `destination`; 0 means the end.
    virtual std::size_t read(char* destination, std::size_t capacity) = 0;
    // True when the end was caused by a read error rather than the file's end.
    virtual bool failed() const { return false; }
};

// An open file, read in binary mode; closed when the source is destroyed.
class FileSource : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    std::size_t read(char* destination, std::size_t capacity) override;
    bool failed() const override { return failed_; }

private:
    std::FILE* file_;
    bool failed_ = false;
};

// Text in memory, handed out at most `chunk` bytes at a time so that tests can
// put buffer boundaries wherever they like.
class TextSource : public ByteSource {
public:
    explicit TextSource(std::string text, std::size_t chunk = SIZE_MAX)
        : text_(std::move(text)), chunk_(chunk == 0 ? 1 : chunk) {}
    std::size_t read(char* destination, std::size_t capacity) override;

private:
    std::string text_;
    std::size_t chunk_;
    std::size_t position_ = 0;
};

// The three outcomes of a "%d" read.
enum class Scan {
    Number,    // a number was read
    NoNumber,  // the next text does not begin a number; it stays unread
    End,       // only white space, or nothing, was left
};

// An integer as written, held exactly whenever it fits 64 bits; longer numbers
// are recognised as such and never wrap.
struct ScannedInt {
    bool negative = false;
    std::uint64_t magnitude = 0;  // exact only when `exact` is true
    bool exact = true;            // false: more than 64 bits of magnitude

    bool fits_int64() const;
    bool fits_int32() const;
    std::int64_t as_int64() const;  // requires fits_int64()
    std::int32_t as_int32() const;  // requires fits_int32()
    bool is_zero() const { return exact && magnitude == 0; }
};

class Reader {
public:
    static constexpr std::size_t kDefaultBufferSize = std::size_t{1} << 20;

    explicit Reader(std::unique_ptr<ByteSource> source,
                    std::size_t buffer_size = kDefaultBufferSize);

    // A reader over text in memory, for tests and in-process judging.
    static Reader from_text(std::string text, std::size_t chunk = SIZE_MAX,
                            std::size_t buffer_size = kDefaultBufferSize);

    // "%d": skips white space (line ends included), then reads an optionally
    // signed decimal integer. A sign without a digit after it is no number,
    // and like any other non-number it is left unread.
    Scan read_int(ScannedInt& value);

    // The first half of "%d": skips white space and tells what follows,
    // consuming nothing of it. On Scan::Number the next byte is a sign or digit.
    Scan skip_space_to_token();

    // Skips white space, as a blank in a scanf format or "%d\n" does.
    void skip_space();

    // "%c": the next character, with CR LF delivered as '\n'; EOF at the end.
    int read_char();

    // Raw byte access for streaming comparisons (no CR LF folding).
    int peek() {
        if (position_ < end_) return static_cast<unsigned char>(buffer_[position_]);
        return fill(1) ? static_cast<unsigned char>(buffer_[position_]) : EOF;
    }
    void skip() { ++position_; }  // only after peek() returned a byte

    // The buffered bytes not yet consumed.
    const char* data() const { return buffer_.data() + position_; }
    std::size_t available() const { return end_ - position_; }
    void consume(std::size_t count) { position_ += count; }

    // Tries to have at least `wanted` bytes buffered (at most the buffer's
    // size); returns whether that many are there.
    bool fill(std::size_t wanted);

    // True when the source ended because of a read error.
    bool failed() const { return source_->failed(); }

private:
    std::unique_ptr<ByteSource> source_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool source_ended_ = false;
};

// Character classes of the "C" locale, as scanf sees them.
constexpr bool is_space(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
constexpr bool is_digit(int c) { return c >= '0' && c <= '9'; }
constexpr bool is_sign(int c) { return c == '+' || c == '-'; }

}  // namespace judge
