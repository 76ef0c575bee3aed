#pragma once
// A drop-down list of the rows of a data source: it shows one field of each
// row and is keyed by another. Picking an entry makes that row the current
// row of the source's dataset (so its details follow), then reports the
// click. The list follows the dataset: it is refilled when the dataset
// opens, closes, posts or changes, and shows the current row.

#include "platform/firebird/FbDataset.h"

#include <QComboBox>
#include <QPointer>

namespace sono::widgets {

class TDBLookupComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TDBLookupComboBox(QWidget* parent = nullptr);

  void setListSource(fb::FbDataSource* source, const QString& keyField, const QString& listField);
  fb::FbDataSource* listSource() const { return source_; }

  // The key of the entry shown, as text; empty when none is shown.
  QString keyValue() const;
  // Shows the entry with that key (no entry when none has it). The
  // dataset's current row is not moved.
  void setKeyValue(const QString& key);

  // Re-reads the entries from the dataset (done by itself on changes).
  void refresh();

 signals:
  // The operator picked an entry, after the dataset has moved to its row.
  void clicked();

 private:
  void picked(int index);
  void followCurrentRow();

  QPointer<fb::FbDataSource> source_;
  QString keyField_;
  QString listField_;
  bool filling_ = false;
};

}  // namespace sono::widgets
