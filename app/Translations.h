// The player's language: the game's own translation for the first of the
// desktop's languages that has one, and Qt's translation of its standard
// buttons and dialogs in that same language. Nothing matches under the C or
// POSIX locale or an English one, and the game stays in its English.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace velmora {

class Translations {
 public:
  // Installs the translations for the desktop's languages, in its order of
  // preference (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, as Qt reads
  // them), into the application, which must exist; they stay installed
  // while this object lives.
  Translations() : Translations(QLocale::system().uiLanguages()) {}
  explicit Translations(const QLocale& locale) : Translations(locale.uiLanguages()) {}
  // The first of `languages` ("de-AT", "fr") that the game speaks wins; an
  // English one, or C, ahead of it keeps the game's English.
  explicit Translations(const QStringList& languages);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // The language whose translation is installed ("de", "pt_BR"); empty for English.
  QString Language() const { return language_; }

 private:
  std::unique_ptr<QTranslator> game_;
  std::unique_ptr<QTranslator> qt_;
  QString language_;
};

}  // namespace velmora
