// For the benchmark generators: numbers written to a file through one large
// buffer. Ends the program on a file that cannot be created.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

class NumberWriter {
public:
    explicit NumberWriter(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
        if (file_ == nullptr) {
            std::perror(path.c_str());
            std::exit(1);
        }
    }
    NumberWriter(const NumberWriter&) = delete;
    NumberWriter& operator=(const NumberWriter&) = delete;
    ~NumberWriter() {
        flush();
        std::fclose(file_);
    }

    // The number in decimal, then `after` (a blank or a line end).
    void number(std::int64_t value, char after) {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        text_.append(digits, result.ptr);
        text_.push_back(after);
        if (text_.size() >= (std::size_t{1} << 20)) flush();
    }

    // An empty line: a vertex without neighbours, say.
    void line_end() { text_.push_back('\n'); }

private:
    void flush() {
        std::fwrite(text_.data(), 1, text_.size(), file_);
        text_.clear();
    }

    std::FILE* file_;
    std::string text_;
};
