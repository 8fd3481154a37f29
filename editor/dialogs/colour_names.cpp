#include "editor/dialogs/colour_names.h"

#include <iterator>

namespace editor {

namespace {

constexpr unsigned kFirstName = 5172;

// System colour indexes in table order; row n is named by string 5172 + n.
constexpr uint32_t kSystemColourRows[] = {1,  24, 20, 10, 11, 2,  3,  12, 18, 17, 13, 14, 5, 6,
                                          8,  22, 21, 15, 16, 15, 20, 16, 9,  19, 23, 4,  7, 0};

constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue)
{
    return red | (green << 8) | (blue << 16);
}

constexpr uint32_t kFixedColours[kFixedSwatchCount] = {
    Rgb(0, 0, 0),       Rgb(0, 0, 255),     Rgb(0, 255, 0),   Rgb(128, 128, 128), Rgb(255, 0, 255),
    Rgb(255, 0, 0),     Rgb(0, 255, 255),   Rgb(255, 255, 255), Rgb(255, 255, 0), Rgb(0, 128, 128),
    Rgb(192, 192, 192), Rgb(0, 128, 0),     Rgb(128, 128, 0), Rgb(128, 0, 0),     Rgb(0, 0, 128),
};

}  // namespace

menufile::TitleColour SystemSwatchColour(int swatch)
{
    return {1, kSystemColourRows[swatch]};
}

menufile::TitleColour FixedSwatchColour(int swatch)
{
    return {0, kFixedColours[swatch]};
}

unsigned SystemColourNameId(uint32_t index)
{
    for (size_t row = 0; row < std::size(kSystemColourRows); ++row) {
        if (kSystemColourRows[row] == index)
            return kFirstName + static_cast<unsigned>(row);
    }
    return 0;
}

menufile::TitleColour DefaultColour(bool text)
{
    menufile::TitleColours defaults;
    return text ? defaults.text : defaults.background;
}

}  // namespace editor
