// Writes the pictures and the icon as the files a Windows build embeds:
//   make_art OUT_DIR  ->  picture.bmp (211 x 307), options.bmp (fits 77 x 71
//   dialog units at the 8-point font: 116 x 115), selvantora.ico (32 and 16).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "res/art.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) {
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

// A 24-bit bottom-up bitmap.
Bytes Bmp(const res::Image& image) {
    const std::uint32_t row = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixels = row * static_cast<std::uint32_t>(image.height);
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    Put(b, 54 + pixels, 4);
    Put(b, 0, 4);
    Put(b, 54, 4);
    Put(b, 40, 4);
    Put(b, static_cast<std::uint32_t>(image.width), 4);
    Put(b, static_cast<std::uint32_t>(image.height), 4);
    Put(b, 1, 2);
    Put(b, 24, 2);
    Put(b, 0, 4);
    Put(b, pixels, 4);
    Put(b, 2835, 4);  // 72 dots per inch
    Put(b, 2835, 4);
    Put(b, 0, 4);
    Put(b, 0, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.argb[static_cast<std::size_t>(y) * image.width + x];
            b.push_back(static_cast<std::uint8_t>(p));
            b.push_back(static_cast<std::uint8_t>(p >> 8));
            b.push_back(static_cast<std::uint8_t>(p >> 16));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(image.width) * 3; pad < row; ++pad) {
            b.push_back(0);
        }
    }
    return b;
}

// An icon of 32-bit images with their transparency masks.
Bytes Ico(const std::vector<res::Image>& images) {
    std::vector<Bytes> bodies;
    for (const res::Image& image : images) {
        Bytes d;
        const auto w = static_cast<std::uint32_t>(image.width);
        const auto h = static_cast<std::uint32_t>(image.height);
        Put(d, 40, 4);
        Put(d, w, 4);
        Put(d, h * 2, 4);  // colour and mask together
        Put(d, 1, 2);
        Put(d, 32, 2);
        for (int i = 0; i < 6; ++i) {
            Put(d, 0, 4);
        }
        for (int y = image.height - 1; y >= 0; --y) {
            for (int x = 0; x < image.width; ++x) {
                Put(d, image.argb[static_cast<std::size_t>(y) * image.width + x], 4);
            }
        }
        const std::uint32_t maskRow = ((w + 31) / 32) * 4;
        for (int y = image.height - 1; y >= 0; --y) {
            Bytes row(maskRow, 0);
            for (int x = 0; x < image.width; ++x) {
                if ((image.argb[static_cast<std::size_t>(y) * image.width + x] >> 24) < 128) {
                    row[static_cast<std::size_t>(x / 8)] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
            d.insert(d.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(d));
    }
    Bytes b;
    Put(b, 0, 2);
    Put(b, 1, 2);  // an icon
    Put(b, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        b.push_back(static_cast<std::uint8_t>(images[i].width));
        b.push_back(static_cast<std::uint8_t>(images[i].height));
        b.push_back(0);
        b.push_back(0);
        Put(b, 1, 2);
        Put(b, 32, 2);
        Put(b, static_cast<std::uint32_t>(bodies[i].size()), 4);
        Put(b, offset, 4);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) {
        b.insert(b.end(), body.begin(), body.end());
    }
    return b;
}

bool Write(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_art OUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = Write(dir + "/picture.bmp", Bmp(res::RenderPicture(211, 307))) &&
                    Write(dir + "/options.bmp", Bmp(res::RenderOptionsPicture(116, 115))) &&
                    Write(dir + "/selvantora.ico", Ico({res::RenderIcon(32), res::RenderIcon(16)}));
    return ok ? 0 : 1;
}
