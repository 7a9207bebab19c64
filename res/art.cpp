#include "res/art.h"

#include <algorithm>
#include <cmath>

namespace res {

namespace {

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::uint32_t Pack(Rgb c, double alpha = 1.0) {
    auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
    };
    return channel(alpha) << 24 | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

double Smooth(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Height of a mountain ridge at x (0..1), as a fraction of the picture.
double Ridge(double x, double base, double scale, double phase) {
    return base - scale * (0.55 * std::sin(x * 5.1 + phase) + 0.3 * std::sin(x * 11.7 + 2 * phase) +
                           0.15 * std::sin(x * 23.3 + 3 * phase));
}

}  // namespace

Image RenderPicture(int width, int height) {
    Image image{width, height,
                std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    const Rgb zenith{0.10, 0.12, 0.30}, dusk{0.55, 0.36, 0.52}, glow{0.98, 0.74, 0.52};
    const Rgb farHills{0.33, 0.27, 0.45}, nearHills{0.16, 0.14, 0.27}, shore{0.08, 0.08, 0.15};
    const double horizon = 0.62;
    const double sunX = 0.5, sunY = 0.47, sunR = 0.075;

    auto sky = [&](double u, double v) {
        Rgb c =
            v < 0.35 ? Mix(zenith, dusk, v / 0.35) : Mix(dusk, glow, (v - 0.35) / (horizon - 0.35));
        const double aspect = static_cast<double>(width) / height;
        const double d = std::hypot((u - sunX) * aspect, v - sunY);
        c = Mix(c, Rgb{1.0, 0.93, 0.80}, 0.55 * std::exp(-d * d / 0.004));  // halo
        if (d < sunR) {
            c = Mix(c, Rgb{1.0, 0.96, 0.88}, Smooth(sunR, sunR - 0.006, d));
        }
        return c;
    };
    // The ridges change only across the picture, so each column's height is
    // worked out once; the rippled lake looks between two columns.
    std::vector<double> farRidge(static_cast<std::size_t>(width) + 2);
    std::vector<double> nearRidge(farRidge.size());
    for (std::size_t i = 0; i < farRidge.size(); ++i) {
        const double u = (static_cast<double>(i) - 0.5) / width;
        farRidge[i] = Ridge(u, 0.58, 0.05, 0.7);
        nearRidge[i] = Ridge(u + 0.3, 0.62, 0.035, 2.1);
    }
    auto ridgeAt = [&](const std::vector<double>& ridge, double u) {
        const double at = std::clamp(u * width + 0.5, 0.0, static_cast<double>(width));
        const auto i = static_cast<std::size_t>(at);
        return ridge[i] + (ridge[i + 1] - ridge[i]) * (at - static_cast<double>(i));
    };
    auto land = [&](double u, double v, Rgb c) {
        if (v > ridgeAt(farRidge, u)) {
            c = Mix(farHills, glow, 0.18 * (1 - (v - 0.5) * 4));
        }
        if (v > ridgeAt(nearRidge, u)) {
            c = nearHills;
        }
        return c;
    };

    for (int y = 0; y < height; ++y) {
        const double v = (y + 0.5) / height;
        const double ripple = 0.004 * std::sin(v * 900.0);
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            Rgb c;
            if (v < horizon) {
                c = land(u, v, sky(u, v));
            } else {
                // The lake mirrors the land and sky, darker and rippled.
                const double depth = (v - horizon) / (1 - horizon);
                const double shift = ripple * (0.3 + depth);
                const double mirrored = horizon - (v - horizon) * 0.9;
                c = Mix(land(u + shift, mirrored, sky(u + shift, mirrored)), shore,
                        0.25 + 0.6 * depth);
            }
            // A soft vignette keeps the eye in the middle.
            const double edge = std::hypot(u - 0.5, (v - 0.5) * 0.8);
            c = Mix(c, Rgb{0.03, 0.03, 0.08}, Smooth(0.45, 0.75, edge) * 0.6);
            image.argb[static_cast<std::size_t>(y) * width + x] = Pack(c);
        }
    }
    return image;
}

Image RenderIcon(int size) {
    Image image{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size)};
    const Rgb ground{0.11, 0.16, 0.33}, bowl{0.93, 0.71, 0.30}, shade{0.62, 0.40, 0.13};
    const double s = size;
    // Supersampled so the small sizes stay smooth.
    const int samples = 4;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double u = (x + (sx + 0.5) / samples) / s - 0.5;
                    const double v = (y + (sy + 0.5) / samples) / s - 0.5;
                    if (std::hypot(u, v) > 0.48) {
                        continue;
                    }
                    Rgb c = ground;
                    // The bowl: the lower half of an ellipse with a flat rim.
                    const double bu = u / 0.34, bv = (v - 0.02) / 0.26;
                    if (bv >= 0 && bu * bu + bv * bv <= 1.0) {
                        c = Mix(bowl, shade, 0.4 * bv + 0.5 * std::max(0.0, bu));
                    }
                    if (std::abs(v - 0.02) < 0.035 && std::abs(u) <= 0.36) {
                        c = Mix(bowl, Rgb{1, 0.95, 0.8}, 0.4);  // rim
                    }
                    // Two arcs of sound rising from the bowl.
                    for (double radius : {0.16, 0.25}) {
                        const double d = std::hypot(u, v + 0.02) - radius;
                        if (v < -0.06 && std::abs(d) < 0.022 && std::abs(u) < radius * 0.75) {
                            c = Mix(c, Rgb{0.85, 0.9, 1.0}, 0.9);
                        }
                    }
                    a += 1;
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            const double n = samples * samples;
            if (a > 0) {
                image.argb[static_cast<std::size_t>(y) * size + x] =
                    Pack(Rgb{r / a, g / a, b / a}, a / n);
            }
        }
    }
    return image;
}

Image RenderOptionsPicture(int width, int height) {
    Image image{width, height,
                std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    const Rgb top{0.16, 0.16, 0.36}, bottom{0.93, 0.70, 0.55};
    for (int y = 0; y < height; ++y) {
        const Rgb row = Mix(top, bottom, static_cast<double>(y) / std::max(1, height - 1));
        for (int x = 0; x < width; ++x) {
            image.argb[static_cast<std::size_t>(y) * width + x] = Pack(row);
        }
    }
    // The icon's bowl, large, laid over the evening sky.
    const int size = std::max(1, std::min(width, height) * 9 / 10);
    const Image bowl = RenderIcon(size);
    const int left = (width - size) / 2, topEdge = (height - size) / 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint32_t src = bowl.argb[static_cast<std::size_t>(y) * size + x];
            const double a = (src >> 24) / 255.0;
            std::uint32_t& dst =
                image.argb[static_cast<std::size_t>(y + topEdge) * width + (x + left)];
            auto channel = [&](int shift) {
                return ((src >> shift) & 0xFF) * a + ((dst >> shift) & 0xFF) * (1 - a);
            };
            dst = 0xFF000000u | static_cast<std::uint32_t>(std::lround(channel(16))) << 16 |
                  static_cast<std::uint32_t>(std::lround(channel(8))) << 8 |
                  static_cast<std::uint32_t>(std::lround(channel(0)));
        }
    }
    return image;
}

}  // namespace res
