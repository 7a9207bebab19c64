// The program's pictures and icon, drawn by code so that every front end can
// render or export them at the size it needs.
#pragma once

#include <cstdint>
#include <vector>

namespace res {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // rows top to bottom, 0xAARRGGBB
};

// The window picture: dusk over a mountain lake. 211 x 307 is its own size.
Image RenderPicture(int width = 211, int height = 307);
// The Options window's picture: the singing bowl in the evening light.
Image RenderOptionsPicture(int width, int height);
// The application icon: a singing bowl on a dark round ground.
Image RenderIcon(int size);

}  // namespace res
