// About: the about box with the "Version" and "License" pages.
#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;
class QTextEdit;

namespace velmora {

class TAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);

  // Every opening starts on the "Version" page.
  void FormCreate();
  // Both OK buttons close the window.
  void OKBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildVersionPage();
  void BuildLicensePage();

  QTabWidget* PageControl1 = nullptr;
  QWidget* VersionTab = nullptr;
  QWidget* LicenseTab = nullptr;
  QPushButton* Button1 = nullptr;
  QTextEdit* LicenseRE = nullptr;
  QPushButton* OKBtn = nullptr;
};

}  // namespace velmora
