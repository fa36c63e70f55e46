#pragma once
// Typed values taken out of a fuzz input the way libFuzzer's
// FuzzedDataProvider takes them (integers from the back, strings from the
// front), so that a corpus means the same to a target built with clang for
// fuzzing and with any compiler for the replay among the tests.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace fuzzcheck {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), left_(size) {}

    template <class T>
    T integral_in_range(T min, T max) {
        const uint64_t range = static_cast<uint64_t>(max) - static_cast<uint64_t>(min);
        uint64_t result = 0;
        for (size_t offset = 0;
             offset < sizeof(T) * CHAR_BIT && (range >> offset) > 0 && left_ != 0;
             offset += CHAR_BIT)
            result = (result << CHAR_BIT) | data_[--left_];
        if (range != std::numeric_limits<uint64_t>::max()) result %= range + 1;
        return static_cast<T>(static_cast<uint64_t>(min) + result);
    }
    template <class T>
    T integral() {
        return integral_in_range(std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
    }
    bool boolean() { return 1 & integral<uint8_t>(); }

    // Up to `max_length` bytes; a backslash escapes a backslash, and one
    // before any other byte ends the string.
    std::string random_length_string(size_t max_length) {
        std::string result;
        for (size_t i = 0; i < max_length && left_ != 0; ++i) {
            char next = static_cast<char>(take());
            if (next == '\\' && left_ != 0) {
                next = static_cast<char>(take());
                if (next != '\\') break;
            }
            result += next;
        }
        return result;
    }
    std::string remaining_string() {
        std::string rest(reinterpret_cast<const char*>(data_), left_);
        data_ += left_;
        left_ = 0;
        return rest;
    }

private:
    uint8_t take() {
        --left_;
        return *data_++;
    }

    const uint8_t* data_;
    size_t left_;
};

}  // namespace fuzzcheck
