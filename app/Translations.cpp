#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velmora {

Translations::Translations(const QStringList& languages)
    : game_(std::make_unique<QTranslator>()), qt_(std::make_unique<QTranslator>()) {
  bool loaded = false;
  for (const QString& name : languages) {
    const QLocale language(name);
    // English is the sources' own, so it has no file to find.
    if (language.language() == QLocale::English || language.language() == QLocale::C) {
      return;
    }
    // "de-AT" finds velmora_de_AT or else velmora_de.
    if (game_->load(language, QStringLiteral("velmora"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
      loaded = true;
      break;
    }
  }
  if (!loaded) {
    return;
  }
  QCoreApplication::installTranslator(game_.get());
  language_ = game_->language();
  // Qt's own words in the language of the game, not in another the desktop
  // prefers but the game does not speak. Qt's translations are optional.
  if (qt_->load(QStringLiteral("qtbase_") + language_,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt_.get());
  }
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(qt_.get());
  QCoreApplication::removeTranslator(game_.get());
}

}  // namespace velmora
