// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Shared helpers of the fuzz targets: a reader that turns the fuzzer's bytes
// into operations and arguments, and a check that stops with a message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Stops the run when `condition` is false. Under libFuzzer the abort is
// reported as a crash and the input saved; the replay programs fail.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// Reads the input front to back; past the end every read gives zeros.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }
    std::size_t left() const { return size_ - at_; }

    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int8_t signedByte() { return static_cast<std::int8_t>(byte()); }
    std::uint16_t u16()
    {
        const std::uint16_t high = byte();
        return static_cast<std::uint16_t>(high << 8 | byte());
    }
    std::uint32_t u32()
    {
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i) {
            n = n << 8 | byte();
        }
        return n;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    double f64()
    {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits = bits << 8 | byte();
        }
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        return x;
    }
    // Up to `count` bytes (fewer at the end of the input).
    std::string bytes(std::size_t count)
    {
        if (count > left()) {
            count = left();
        }
        std::string out(reinterpret_cast<const char *>(data_ + at_), count);
        at_ += count;
        return out;
    }
    // A run of bytes whose length is given by the next byte.
    std::string shortBytes() { return bytes(byte()); }
    std::string rest() { return bytes(left()); }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
