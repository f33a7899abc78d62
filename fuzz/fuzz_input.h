// One fuzzer input split into what a checker reads: the full score, its three
// files, and the buffer layout the readers use, so that every buffer boundary
// gets explored as well as every content.
//
// Layout: byte 0 picks the reader's buffer size, byte 1 the source's chunk
// size, bytes 2..5 the full score (little-endian); the rest is the input,
// output and answer files separated by the two bytes FF FE. Missing pieces
// are empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "reader.h"

namespace judge {

// Roomy enough for every word-at-a-time path, and small enough that the
// sanitizers' bookkeeping of a megabyte per reader does not slow each run.
constexpr std::size_t kRoomyBuffer = 4096;

struct FuzzCase {
    std::int32_t max_score = 0;
    std::string input;
    std::string output;
    std::string answer;
    std::size_t buffer_size = kRoomyBuffer;
    std::size_t chunk = SIZE_MAX;

    Reader reader(const std::string& text) const { return Reader::from_text(text, chunk, buffer_size); }
};

inline FuzzCase split_fuzz_input(const std::uint8_t* data, std::size_t size) {
    FuzzCase fuzz_case;
    std::size_t at = 0;
    if (at < size) {
        const unsigned pick = data[at++];
        fuzz_case.buffer_size = pick < 128 ? kRoomyBuffer : 2 + pick % 64;
    }
    if (at < size) {
        const unsigned pick = data[at++];
        fuzz_case.chunk = pick < 128 ? SIZE_MAX : 1 + pick % 16;
    }
    std::uint32_t score = 0;
    for (int i = 0; i < 4 && at < size; ++i) score |= std::uint32_t{data[at++]} << (8 * i);
    fuzz_case.max_score = static_cast<std::int32_t>(score);

    const std::string_view rest(reinterpret_cast<const char*>(data) + at, size - at);
    std::string* parts[] = {&fuzz_case.input, &fuzz_case.output, &fuzz_case.answer};
    std::size_t start = 0;
    for (int part = 0; part < 3 && start <= rest.size(); ++part) {
        const std::size_t end = part == 2 ? std::string_view::npos : rest.find("\xFF\xFE", start);
        *parts[part] = std::string(rest.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 2;
    }
    return fuzz_case;
}

}  // namespace judge
