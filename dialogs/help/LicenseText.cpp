#include "dialogs/help/LicenseText.h"

namespace velmora::help {

namespace {

constexpr std::string_view DashedRule =
    "- - - - - - - - - - - - - - - - - - - - - - - - - - - - - -";

// Hard-wrapped so that every entry fits the licence page on one line.
constexpr auto Lines = std::to_array<std::string_view>({
    DashedRule,
    VersionLine,
    LegalNotice,
    AllRightsReserved,
    DashedRule,
    "",
    "LICENSE AGREEMENT:",
    "",
    "All rights are reserved except those that the GNU General",
    "Public License gives you, and it gives you a great many:",
    "",
    "Velmora is free software: you can redistribute it and/or",
    "modify it under the terms of the GNU General Public License",
    "as published by the Free Software Foundation, either",
    "version 3 of the License, or (at your option) any later",
    "version.",
    "",
    "In plain words: you may run Velmora for any purpose, study",
    "how it works and change it, and give copies to anyone, with",
    "or without your changes, free of charge or for a fee.",
    "Whoever passes the program on must do so under the same",
    "licence, offer its complete source code, keep every",
    "copyright and licence notice intact and add no further",
    "restrictions.",
    "",
    "The card faces come from the KDE games card deck",
    "\"svg-standard\" (GNU GPL version 2 or later); some card",
    "backs use public-domain clip art from the Open Clip Art",
    "Library. The file CREDITS.md names every source.",
    "",
    "The complete licence is in the file COPYING that comes",
    "with Velmora; see also https://www.gnu.org/licenses/.",
    "",
    "DISCLAIMER OF WARRANTY:",
    "",
    "There is no warranty for Velmora, to the extent permitted",
    "by applicable law. Except when otherwise stated in",
    "writing, the copyright holders and/or other parties",
    "provide the program \"as is\" without warranty of any kind,",
    "either expressed or implied, including, but not limited",
    "to, the implied warranties of merchantability and fitness",
    "for a particular purpose. The entire risk as to the",
    "quality and performance of the program is with you.",
    "Should the program prove defective, you assume the cost",
    "of all necessary servicing, repair or correction.",
    "",
    "In no event, unless required by applicable law or agreed",
    "to in writing, will any copyright holder, or any other",
    "party who modifies and/or conveys the program as",
    "permitted above, be liable to you for damages, including",
    "any general, special, incidental or consequential damages",
    "arising out of the use or inability to use the program",
    "(including but not limited to loss of data or data being",
    "rendered inaccurate or losses sustained by you or third",
    "parties or a failure of the program to operate with any",
    "other programs), even if such holder or other party has",
    "been advised of the possibility of such damages.",
    "",
    "Velmora is played for fun: its dollars are play money and",
    "no real money is ever bet, won or lost.",
});
static_assert(Lines.size() == LicenseLineCount, "the licence page has sixty lines");

}  // namespace

const std::array<std::string_view, LicenseLineCount>& AboutLicenseLines() {
  return Lines;
}

}  // namespace velmora::help
