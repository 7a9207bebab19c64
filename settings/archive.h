// The settings file's encoding: little-endian integers, length-prefixed
// strings and count-prefixed arrays.
#pragma once

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace settings {

// Raised when the data ends before a value does.
class EndOfData : public std::runtime_error {
  public:
    EndOfData() : std::runtime_error("the settings data ended early") {}
};

class Archive {
  public:
    // Reads `size` bytes from `in`.
    Archive(std::istream& in, std::uint64_t size) : in_(&in), left_(size) {}
    // Writes into a buffer.
    Archive() = default;

    bool IsLoading() const { return in_ != nullptr; }
    bool IsStoring() const { return in_ == nullptr; }
    const std::string& Bytes() const { return out_; }

    void Read(std::uint16_t& value);
    void Read(std::int32_t& value);
    // A string in any prefix form, the wide one included (converted to UTF-8;
    // a lone surrogate becomes '?'). A string longer than the data left is
    // the end of the data.
    void Read(std::string& value);
    // A word array. Values cut off by the end of the data read as 0, up to
    // `padTo` values at most; no memory is taken for values that are not there.
    void Read(std::vector<std::uint16_t>& values, std::size_t padTo);
    // A string array; a string the data cannot hold is the end of the data.
    void Read(std::vector<std::string>& values);

    void Write(std::uint16_t value);
    void Write(std::int32_t value);
    void Write(const std::string& value);
    void Write(const std::vector<std::uint16_t>& values);
    void Write(const std::vector<std::string>& values);

  private:
    void Take(void* buffer, std::size_t bytes);
    // A 16-bit value, or after the escape 0xFFFF a 32-bit one: array counts,
    // and string lengths after their first byte.
    std::uint32_t ReadEscaped16();
    void WriteCount(std::size_t count);

    std::istream* in_ = nullptr;
    std::uint64_t left_ = 0;
    std::string out_;
};

}  // namespace settings
