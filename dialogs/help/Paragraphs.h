// Text of the help and about windows, kept as coloured paragraphs so that each
// becomes one block of a rich-text view.
#pragma once

#include <qnamespace.h>

#include <span>
#include <string_view>

class QColor;
class QString;
class QTextEdit;

namespace velmora::help {

enum class Ink { Red, Black, Blue };

struct Paragraph {
  Ink ink;
  std::string_view text;
};

QColor InkColour(Ink ink);

// The context of the help's texts, which are marked with
// QT_TRANSLATE_NOOP("velmora::help", ...) where they are written.
inline constexpr char TranslationContext[] = "velmora::help";
// A help text in the player's language; one never marked stays as written.
QString Translated(std::string_view text);

// Adds each paragraph, translated, as a block of its own after what the view already shows.
// An empty view gets the first paragraph in its one empty block, so a cleared
// view holds exactly the paragraphs written into it.
void AppendParagraphs(QTextEdit& view, std::span<const Paragraph> paragraphs,
                      Qt::Alignment alignment = Qt::AlignLeft);

}  // namespace velmora::help
