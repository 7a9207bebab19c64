#include "settings/archive.h"

#include <algorithm>

namespace settings {

namespace {

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf16ToUtf8(const std::vector<std::uint16_t>& units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::uint32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            out += '?';  // half a pair names no character
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

}  // namespace

void Archive::Take(void* buffer, std::size_t bytes) {
    if (bytes > left_ ||
        !in_->read(static_cast<char*>(buffer), static_cast<std::streamsize>(bytes))) {
        left_ = 0;
        throw EndOfData();
    }
    left_ -= bytes;
}

void Archive::Read(std::uint16_t& value) {
    unsigned char b[2];
    Take(b, 2);
    value = static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

void Archive::Read(std::int32_t& value) {
    unsigned char b[4];
    Take(b, 4);
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | b[1] << 8 | b[2] << 16 |
                                      static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint32_t Archive::ReadEscaped16() {
    std::uint16_t word;
    Read(word);
    if (word == 0xFFFF) {
        std::int32_t length;
        Read(length);
        return static_cast<std::uint32_t>(length);
    }
    return word;
}

void Archive::Read(std::string& value) {
    unsigned char first;
    Take(&first, 1);
    std::uint32_t length = first;
    bool wide = false;
    if (first == 0xFF) {
        length = ReadEscaped16();
        if (length == 0xFFFE) {
            wide = true;
            unsigned char again;
            Take(&again, 1);
            length = again < 0xFF ? again : ReadEscaped16();
        }
    }
    const std::uint64_t bytes = wide ? 2ULL * length : length;
    if (bytes > left_) {
        left_ = 0;
        throw EndOfData();  // checked before any memory is taken for it
    }
    if (wide) {
        std::vector<std::uint16_t> units(length);
        for (auto& unit : units) {
            Read(unit);
        }
        value = Utf16ToUtf8(units);
    } else {
        std::string text(length, '\0');
        Take(text.data(), length);
        value = std::move(text);
    }
}

void Archive::Read(std::vector<std::uint16_t>& values, std::size_t padTo) {
    const std::uint32_t count = ReadEscaped16();
    const std::uint64_t present = std::min<std::uint64_t>(count, left_ / 2);
    values.assign(static_cast<std::size_t>(
                      std::min<std::uint64_t>(count, std::max<std::uint64_t>(present, padTo))),
                  0);
    for (std::uint64_t i = 0; i < present; ++i) {
        Read(values[static_cast<std::size_t>(i)]);
    }
    if (present < count && left_ == 1 && values.size() > present) {
        // Half a value: its low byte is there, the rest is not.
        unsigned char low;
        Take(&low, 1);
        values[static_cast<std::size_t>(present)] = low;
    }
}

void Archive::Read(std::vector<std::string>& values) {
    const std::uint32_t count = ReadEscaped16();
    values.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string text;
        Read(text);
        values.push_back(std::move(text));
    }
}

void Archive::Write(std::uint16_t value) {
    out_ += static_cast<char>(value & 0xFF);
    out_ += static_cast<char>(value >> 8);
}

void Archive::Write(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    Write(static_cast<std::uint16_t>(u & 0xFFFF));
    Write(static_cast<std::uint16_t>(u >> 16));
}

void Archive::Write(const std::string& value) {
    const std::size_t length = value.size();
    if (length < 0xFF) {
        out_ += static_cast<char>(length);
    } else if (length < 0xFFFE) {
        out_ += '\xFF';
        Write(static_cast<std::uint16_t>(length));
    } else {
        out_ += '\xFF';
        Write(static_cast<std::uint16_t>(0xFFFF));
        Write(static_cast<std::int32_t>(static_cast<std::uint32_t>(length)));
    }
    out_ += value;
}

void Archive::WriteCount(std::size_t count) {
    if (count < 0xFFFF) {
        Write(static_cast<std::uint16_t>(count));
    } else {
        Write(static_cast<std::uint16_t>(0xFFFF));
        Write(static_cast<std::int32_t>(static_cast<std::uint32_t>(count)));
    }
}

void Archive::Write(const std::vector<std::uint16_t>& values) {
    WriteCount(values.size());
    for (std::uint16_t v : values) {
        Write(v);
    }
}

void Archive::Write(const std::vector<std::string>& values) {
    WriteCount(values.size());
    for (const std::string& v : values) {
        Write(v);
    }
}

}  // namespace settings
