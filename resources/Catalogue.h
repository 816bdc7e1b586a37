// What the picture catalogue holds and where each picture lives in the
// program's resources. Shared by the build-time renderer, which draws the
// pictures, and the catalogue, which fetches them, so the two cannot disagree.
#pragma once

#include "resources/ImageIds.h"

#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace velmora::catalogue {

inline constexpr QSize CardSize{71, 96};
inline constexpr QSize BillSize{117, 50};
inline constexpr QSize BundleSize{119, 51};

// Single bills of $1 .. $1,000 and the banded bundles of $5,000 .. $500,000.
inline constexpr std::array<int, 8> BillIds{1001, 1005, 1010, 1020, 1050, 1100, 1500, 2000};
inline constexpr std::array<int, 6> BundleIds{100, 200, 500, 1000, 5000, 6000};

inline constexpr std::array<FixedPicture, 16> FixedPictures{
    FixedPicture::DeckStack,         FixedPicture::TrayBackground, FixedPicture::TrayHatch,
    FixedPicture::BetFieldFrame,     FixedPicture::Logo,           FixedPicture::BankruptPicture,
    FixedPicture::StatisticsPicture, FixedPicture::TableIcon,      FixedPicture::StatsIcon,
    FixedPicture::StatsSaveGlyph,    FixedPicture::StatsOpenGlyph, FixedPicture::StatsCurrentGlyph,
    FixedPicture::StatsHelpGlyph,    FixedPicture::WelcomeIconTop, FixedPicture::WelcomeIconBottom,
    FixedPicture::BankruptIcon,
};

// Faces, the second king of hearts, the backs, the help icons, bills, bundles.
inline std::vector<int> ImageIds() {
  std::vector<int> ids;
  for (int card = 1; card <= 52; ++card) {
    ids.push_back(card);
  }
  ids.push_back(KingOfHeartsAltImageId);
  for (int back = 0; back < BackCount; ++back) {
    ids.push_back(FirstBackId + back);
  }
  ids.insert(ids.end(), {TopicIconId, HandRankIconId, HeadingIconId});
  ids.insert(ids.end(), BillIds.begin(), BillIds.end());
  ids.insert(ids.end(), BundleIds.begin(), BundleIds.end());
  return ids;
}

// The size of picture `id`, or an empty size when the catalogue has no such id.
constexpr QSize ImageSize(int id) {
  if ((id >= 1 && id <= 53) || (id >= FirstBackId && id < FirstBackId + BackCount)) {
    return CardSize;
  }
  if (id == TopicIconId || id == HandRankIconId) {
    return {12, 15};
  }
  if (id == HeadingIconId) {
    return {16, 16};
  }
  for (const int bill : BillIds) {
    if (id == bill) {
      return BillSize;
    }
  }
  for (const int bundle : BundleIds) {
    if (id == bundle) {
      return BundleSize;
    }
  }
  return {};
}

constexpr QSize FixedPictureSize(FixedPicture picture) {
  switch (picture) {
    case FixedPicture::DeckStack:
      return {77, 100};
    case FixedPicture::TrayBackground:
      return {112, 400};
    case FixedPicture::TrayHatch:
      return {112, 399};
    case FixedPicture::BetFieldFrame:
      return {85, 29};
    case FixedPicture::Logo:
      return {422, 281};
    case FixedPicture::BankruptPicture:
      return {275, 150};
    case FixedPicture::StatisticsPicture:
      return {100, 167};
    case FixedPicture::StatsSaveGlyph:
    case FixedPicture::StatsOpenGlyph:
    case FixedPicture::StatsCurrentGlyph:
    case FixedPicture::StatsHelpGlyph:
      return {25, 25};
    case FixedPicture::TableIcon:
    case FixedPicture::StatsIcon:
    case FixedPicture::WelcomeIconTop:
    case FixedPicture::WelcomeIconBottom:
    case FixedPicture::BankruptIcon:
      return {32, 32};
  }
  return {};
}

// A short file-name-safe name, also the label on the contact sheet.
constexpr const char* FixedPictureName(FixedPicture picture) {
  switch (picture) {
    case FixedPicture::DeckStack:
      return "deck-stack";
    case FixedPicture::TrayBackground:
      return "tray-background";
    case FixedPicture::TrayHatch:
      return "tray-hatch";
    case FixedPicture::BetFieldFrame:
      return "bet-field-frame";
    case FixedPicture::Logo:
      return "logo";
    case FixedPicture::BankruptPicture:
      return "bankrupt";
    case FixedPicture::StatisticsPicture:
      return "statistics";
    case FixedPicture::TableIcon:
      return "table-icon";
    case FixedPicture::StatsIcon:
      return "stats-icon";
    case FixedPicture::StatsSaveGlyph:
      return "stats-save";
    case FixedPicture::StatsOpenGlyph:
      return "stats-open";
    case FixedPicture::StatsCurrentGlyph:
      return "stats-current";
    case FixedPicture::StatsHelpGlyph:
      return "stats-help";
    case FixedPicture::WelcomeIconTop:
      return "welcome-top";
    case FixedPicture::WelcomeIconBottom:
      return "welcome-bottom";
    case FixedPicture::BankruptIcon:
      return "bankrupt-icon";
  }
  return "";
}

// File name inside the resource folder; scale 2 names the rendering for dense screens.
inline QString ImageFileName(int id, int scale) {
  return QString::number(id) + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}
inline QString FixedPictureFileName(FixedPicture picture, int scale) {
  return QString::fromLatin1(FixedPictureName(picture)) +
         (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

inline QString ResourceFolder() {
  return QStringLiteral(":/images/");
}

inline QString ImagePath(int id, int scale) {
  return ResourceFolder() + ImageFileName(id, scale);
}
inline QString FixedPicturePath(FixedPicture picture, int scale) {
  return ResourceFolder() + FixedPictureFileName(picture, scale);
}

}  // namespace velmora::catalogue
