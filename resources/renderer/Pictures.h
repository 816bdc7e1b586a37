// The list of pictures the renderer writes: a resource file name, the size in
// pixels at 1x, and the code that draws it in those pixel units.
#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace velmora::art {

class Sources;

struct Picture {
  QString name;  // without ".png" or "@2x.png"
  QSize size;
  std::function<void(QPainter&)> draw;
};

using PictureList = std::vector<Picture>;

void AddCardFaces(PictureList& pictures, const Sources& sources);
void AddCardBacks(PictureList& pictures, const Sources& sources);
void AddMoney(PictureList& pictures);
void AddHelpIcons(PictureList& pictures);
void AddTrayPictures(PictureList& pictures);
void AddWindowIcons(PictureList& pictures, const Sources& sources);
void AddLogo(PictureList& pictures, const Sources& sources);
void AddBankruptPicture(PictureList& pictures, const Sources& sources);
void AddStatisticsPicture(PictureList& pictures, const Sources& sources);

}  // namespace velmora::art
