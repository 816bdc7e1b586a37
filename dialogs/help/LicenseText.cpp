#include "dialogs/help/LicenseText.h"

#include <QtGlobal>

namespace velmora::help {

namespace {

constexpr std::string_view DashedRule =
    "- - - - - - - - - - - - - - - - - - - - - - - - - - - - - -";

// Hard-wrapped so that every entry fits the licence page on one line. A
// translation wraps each paragraph into as many lines as the English has.
constexpr auto Lines = std::to_array<std::string_view>({
    DashedRule,
    VersionLine,
    LegalNotice,
    AllRightsReserved,
    DashedRule,
    "",
    QT_TRANSLATE_NOOP("velmora::help", "LICENSE AGREEMENT:"),
    "",
    QT_TRANSLATE_NOOP("velmora::help", "All rights are reserved except those that the GNU General"),
    QT_TRANSLATE_NOOP("velmora::help", "Public License gives you, and it gives you a great many:"),
    "",
    QT_TRANSLATE_NOOP("velmora::help", "Velmora is free software: you can redistribute it and/or"),
    QT_TRANSLATE_NOOP("velmora::help",
                      "modify it under the terms of the GNU General Public License"),
    QT_TRANSLATE_NOOP("velmora::help", "as published by the Free Software Foundation, either"),
    QT_TRANSLATE_NOOP("velmora::help", "version 3 of the License, or (at your option) any later"),
    QT_TRANSLATE_NOOP("velmora::help", "version."),
    "",
    QT_TRANSLATE_NOOP("velmora::help",
                      "In plain words: you may run Velmora for any purpose, study"),
    QT_TRANSLATE_NOOP("velmora::help",
                      "how it works and change it, and give copies to anyone, with"),
    QT_TRANSLATE_NOOP("velmora::help", "or without your changes, free of charge or for a fee."),
    QT_TRANSLATE_NOOP("velmora::help", "Whoever passes the program on must do so under the same"),
    QT_TRANSLATE_NOOP("velmora::help", "licence, offer its complete source code, keep every"),
    QT_TRANSLATE_NOOP("velmora::help", "copyright and licence notice intact and add no further"),
    QT_TRANSLATE_NOOP("velmora::help", "restrictions."),
    "",
    QT_TRANSLATE_NOOP("velmora::help", "The card faces come from the KDE games card deck"),
    QT_TRANSLATE_NOOP("velmora::help", "\"svg-standard\" (GNU GPL version 2 or later); some card"),
    QT_TRANSLATE_NOOP("velmora::help", "backs use public-domain clip art from the Open Clip Art"),
    QT_TRANSLATE_NOOP("velmora::help", "Library. The file CREDITS.md names every source."),
    "",
    QT_TRANSLATE_NOOP("velmora::help", "The complete licence is in the file COPYING that comes"),
    QT_TRANSLATE_NOOP("velmora::help", "with Velmora; see also https://www.gnu.org/licenses/."),
    "",
    QT_TRANSLATE_NOOP("velmora::help", "DISCLAIMER OF WARRANTY:"),
    "",
    QT_TRANSLATE_NOOP("velmora::help", "There is no warranty for Velmora, to the extent permitted"),
    QT_TRANSLATE_NOOP("velmora::help", "by applicable law. Except when otherwise stated in"),
    QT_TRANSLATE_NOOP("velmora::help", "writing, the copyright holders and/or other parties"),
    QT_TRANSLATE_NOOP("velmora::help",
                      "provide the program \"as is\" without warranty of any kind,"),
    QT_TRANSLATE_NOOP("velmora::help", "either expressed or implied, including, but not limited"),
    QT_TRANSLATE_NOOP("velmora::help", "to, the implied warranties of merchantability and fitness"),
    QT_TRANSLATE_NOOP("velmora::help", "for a particular purpose. The entire risk as to the"),
    QT_TRANSLATE_NOOP("velmora::help", "quality and performance of the program is with you."),
    QT_TRANSLATE_NOOP("velmora::help", "Should the program prove defective, you assume the cost"),
    QT_TRANSLATE_NOOP("velmora::help", "of all necessary servicing, repair or correction."),
    "",
    QT_TRANSLATE_NOOP("velmora::help", "In no event, unless required by applicable law or agreed"),
    QT_TRANSLATE_NOOP("velmora::help", "to in writing, will any copyright holder, or any other"),
    QT_TRANSLATE_NOOP("velmora::help", "party who modifies and/or conveys the program as"),
    QT_TRANSLATE_NOOP("velmora::help", "permitted above, be liable to you for damages, including"),
    QT_TRANSLATE_NOOP("velmora::help", "any general, special, incidental or consequential damages"),
    QT_TRANSLATE_NOOP("velmora::help", "arising out of the use or inability to use the program"),
    QT_TRANSLATE_NOOP("velmora::help", "(including but not limited to loss of data or data being"),
    QT_TRANSLATE_NOOP("velmora::help", "rendered inaccurate or losses sustained by you or third"),
    QT_TRANSLATE_NOOP("velmora::help", "parties or a failure of the program to operate with any"),
    QT_TRANSLATE_NOOP("velmora::help", "other programs), even if such holder or other party has"),
    QT_TRANSLATE_NOOP("velmora::help", "been advised of the possibility of such damages."),
    "",
    QT_TRANSLATE_NOOP("velmora::help", "Velmora is played for fun: its dollars are play money and"),
    QT_TRANSLATE_NOOP("velmora::help", "no real money is ever bet, won or lost."),
});
static_assert(Lines.size() == LicenseLineCount, "the licence page has sixty lines");

}  // namespace

const std::array<std::string_view, LicenseLineCount>& AboutLicenseLines() {
  return Lines;
}

}  // namespace velmora::help
