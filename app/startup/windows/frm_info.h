#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace startup {

// The information window: the CPU feature explanations (InfoMode 1, "CPU ID Information") or the
// test information of the edition (InfoMode 2, "Test Information"), in one read-only text box.
class frmINFO : public QDialog {
  Q_OBJECT

 public:
  frmINFO(int infoMode, int edition, QWidget* parent = nullptr);

 private:
  void CPUID();
  void TestINFO(int edition);
  void SetText(const std::string& text);

  QPlainTextEdit* Text1_;
};

}  // namespace startup
