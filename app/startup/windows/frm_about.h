#pragma once

#include <QDialog>
#include <array>

#include "about_texts.h"

class QLabel;
class QPushButton;

namespace startup {

// The About window: the product's title, version and description; "Send Suggestion/Comments to "
// opens the maker's page and, in the Pellisto edition, the contact label the engine authors' page.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  frmAbout(const AboutTexts& texts, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AboutTexts texts_;
  std::array<QLabel*, 3> Label4_;
  QLabel* Label1_;
  QLabel* Label2_;
  QPushButton* Command1_;
};

}  // namespace startup
