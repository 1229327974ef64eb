#include "frm_info.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "control_names.h"
#include "cpu_features.h"
#include "test_information.h"

namespace startup {

frmINFO::frmINFO(int infoMode, int edition, QWidget* parent)
    : QDialog(parent), Text1_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("frmINFO"));
  setWindowTitle(QStringLiteral("Information"));
  Text1_->setReadOnly(true);
  Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  widgets::NameControl(*Text1_, "Text1", -1, "Information");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text1_);
  resize(640, 480);

  if (infoMode == 1) {
    setWindowTitle(QStringLiteral("CPU ID Information"));
    CPUID();
  } else if (infoMode == 2) {
    setWindowTitle(QStringLiteral("Test Information"));
    TestINFO(edition);
  }
}

void frmINFO::CPUID() { SetText(CpuIdInformationText()); }

void frmINFO::TestINFO(int edition) { SetText(TestInformationText(edition)); }

void frmINFO::SetText(const std::string& text) {
  // The texts end their lines in CR LF; the text box breaks lines at LF alone.
  Text1_->setPlainText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), "\n"));
}

}  // namespace startup
