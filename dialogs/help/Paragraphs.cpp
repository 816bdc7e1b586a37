#include "dialogs/help/Paragraphs.h"

#include "media/Look.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace velmora::help {

QString Translated(std::string_view text) {
  // The text as a key of its own: a view need not end where its characters do.
  const QByteArray key(text.data(), static_cast<qsizetype>(text.size()));
  return QCoreApplication::translate(TranslationContext, key.constData());
}

QColor InkColour(Ink ink) {
  switch (ink) {
    case Ink::Red:
      return look::Red;
    case Ink::Blue:
      return look::Blue;
    case Ink::Black:
      break;
  }
  return look::Black;
}

void AppendParagraphs(QTextEdit& view, std::span<const Paragraph> paragraphs,
                      Qt::Alignment alignment) {
  QTextDocument& document = *view.document();
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  cursor.movePosition(QTextCursor::End);
  bool reuseFirstBlock = document.isEmpty() && document.blockCount() == 1;
  for (const Paragraph& paragraph : paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(alignment);
    QTextCharFormat characters;
    characters.setForeground(InkColour(paragraph.ink));
    if (reuseFirstBlock) {
      cursor.setBlockFormat(block);
      cursor.setBlockCharFormat(characters);
      reuseFirstBlock = false;
    } else {
      cursor.insertBlock(block, characters);
    }
    cursor.insertText(Translated(paragraph.text), characters);
  }
  cursor.endEditBlock();
}

}  // namespace velmora::help
