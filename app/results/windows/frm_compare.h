#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace results {

// "Compare TO": picks the past Full Test that later figures are compared with. It lists the names
// it is given (the past Full Tests without their extension) and tells what the user chose.
class frmcompare : public QDialog {
  Q_OBJECT

 public:
  enum class Choice {
    Unchanged,  // closed by its frame, or "OK" with nothing selected
    Entry,      // "OK" or a double click on an entry: ChosenIndex()
    LastTest,   // "Cancel": compare with the last results again
  };

  explicit frmcompare(const std::vector<std::string>& entries, QWidget* parent = nullptr);

  Choice UserChoice() const { return choice_; }
  // The chosen entry's index into the names given, with Choice::Entry.
  std::optional<int> ChosenIndex() const { return chosen_; }

 private:
  void Choose();

  QListWidget* List1;
  Choice choice_ = Choice::Unchanged;
  std::optional<int> chosen_;
};

// The CompareFilePath after the window closed: the chosen Full Test's path, empty for "Cancel",
// or `current` when the choice stays as it was. `oldTest` holds the past Full Tests' file names.
std::string CompareFilePathAfter(const frmcompare& window, const std::vector<std::string>& oldTest,
                                 const std::string& programWriteFolder, const std::string& current);

}  // namespace results
