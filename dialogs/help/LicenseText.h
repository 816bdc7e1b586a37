// The program's legal notice and licence text, shared by the help window's
// start panel and licence topic and by the about box.
#pragma once

#include "dialogs/help/Paragraphs.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <string_view>

namespace velmora::help {

inline constexpr std::string_view VersionLine = "Velmora ver 2.10";
inline constexpr std::string_view LegalNotice =
    QT_TRANSLATE_NOOP("velmora::help", "Copyright © 2026 the Velmora developers");
inline constexpr std::string_view AllRightsReserved =
    QT_TRANSLATE_NOOP("velmora::help", "All Rights Reserved");

// The about box's licence page, one line per entry. The header (the first five
// lines, between the dashed rules) is centred; everything else is left-aligned.
inline constexpr std::size_t LicenseHeaderLines = 5;
inline constexpr std::size_t LicenseLineCount = 60;
const std::array<std::string_view, LicenseLineCount>& AboutLicenseLines();

}  // namespace velmora::help
