// Reading a fuzzer's bytes as the values a target needs: numbers, and UTF-16 text of any
// units (lone surrogates and zero units included), two bytes a unit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/utf16.h"

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  template <typename T>
  T Number() {
    T value{};
    const size_t n = size_ < sizeof(T) ? size_ : sizeof(T);
    std::memcpy(&value, data_, n);
    Skip(n);
    return value;
  }

  // Text of up to maxUnits units, its length taken from the next byte pair.
  Utf16String Text(size_t maxUnits) {
    const size_t units = Number<uint16_t>() % (maxUnits + 1);
    Utf16String text;
    for (size_t i = 0; i < units && size_ >= 2; ++i) text.push_back(Number<char16_t>());
    return text;
  }

 private:
  void Skip(size_t n) {
    data_ += n;
    size_ -= n;
  }
  const uint8_t* data_;
  size_t size_;
};

// A property that must hold; abort() makes libFuzzer keep the input that broke it.
#define FUZZ_CHECK(condition)                                                             \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      __builtin_printf("property broken at %s:%d: %s\n", __FILE__, __LINE__, #condition); \
      __builtin_abort();                                                                  \
    }                                                                                     \
  } while (0)
