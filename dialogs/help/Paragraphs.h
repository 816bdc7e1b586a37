// Text of the help and about windows, kept as coloured paragraphs so that each
// becomes one block of a rich-text view.
#pragma once

#include <qnamespace.h>

#include <span>
#include <string_view>

class QColor;
class QTextEdit;

namespace velmora::help {

enum class Ink { Red, Black, Blue };

struct Paragraph {
  Ink ink;
  std::string_view text;
};

QColor InkColour(Ink ink);

// Adds each paragraph as a block of its own after what the view already shows.
// An empty view gets the first paragraph in its one empty block, so a cleared
// view holds exactly the paragraphs written into it.
void AppendParagraphs(QTextEdit& view, std::span<const Paragraph> paragraphs,
                      Qt::Alignment alignment = Qt::AlignLeft);

}  // namespace velmora::help
