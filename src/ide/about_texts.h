// The about box's texts and addresses, the same in every front end.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/product.h"

namespace ide {

inline constexpr std::string_view kBuilderVersion = "3.8";
inline constexpr std::string_view kWebsiteAddress = "https://velmish.example.org/";
inline constexpr std::string_view kContactAddress = "mailto:team@velmish.example.org";

// One line of the about box, top to bottom; a link opens its address when clicked.
struct AboutLine {
    std::string text;
    bool bold = false;
    std::string_view link;  // empty for plain text
};

// "Velmish 4.3 - Velmish Builder 3.8", who makes it, what it is for, and the two links.
inline std::array<AboutLine, 5> aboutLines() {
    std::string title("Velmish ");
    title.append(interp::kLanguageVersion).append(" - Velmish Builder ").append(kBuilderVersion);
    return {{
        {title, true, {}},
        {"Made by the Velmish developers", true, {}},
        {"Scripts that do the desktop's everyday work.", false, {}},
        {"velmish.example.org", true, kWebsiteAddress},
        {"team@velmish.example.org", true, kContactAddress},
    }};
}

// The picture's tooltip.
inline constexpr std::string_view kAboutPictureHint = "Real 32-Bit scripting power...";

}  // namespace ide
