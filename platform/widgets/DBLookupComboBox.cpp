#include "platform/widgets/DBLookupComboBox.h"

#include "platform/firebird/FbDataset.h"
#include "platform/firebird/FbError.h"

#include <QSignalBlocker>

namespace sono::widgets {

using fb::DatasetState;
using fb::FbDataset;

TDBLookupComboBox::TDBLookupComboBox(QWidget* parent) : QComboBox(parent) {
  setFocusPolicy(Qt::ClickFocus);
  connect(this, &QComboBox::activated, this, &TDBLookupComboBox::picked);
}

void TDBLookupComboBox::setListSource(fb::FbDataSource* source, const QString& keyField, const QString& listField) {
  if (source_) disconnect(source_, nullptr, this, nullptr);
  source_ = source;
  keyField_ = keyField;
  listField_ = listField;
  if (source) {
    connect(source, &fb::FbDataSource::stateChanged, this, &TDBLookupComboBox::refresh);
    connect(source, &fb::FbDataSource::dataChanged, this, &TDBLookupComboBox::refresh);
    connect(source, &fb::FbDataSource::scrolled, this, &TDBLookupComboBox::refresh);
  }
  refresh();
}

void TDBLookupComboBox::refresh() {
  if (filling_) return;
  FbDataset* ds = source_ ? source_->dataset() : nullptr;
  // While a row is being edited its neighbours cannot be visited; the list
  // is refilled when the dataset is back in browse.
  if (ds && ds->active() && ds->state() != DatasetState::Browse) return;
  filling_ = true;
  const QSignalBlocker comboSignals(this);
  clear();
  if (ds && ds->active() && !ds->isEmpty()) {
    try {
      const int keyIdx = ds->fieldIndex(keyField_);
      const int listIdx = ds->fieldIndex(listField_);
      if (keyIdx >= 0 && listIdx >= 0) {
        // Visiting the rows must not look like a move of the current row:
        // the details of the dataset would re-open at every step.
        const QSignalBlocker rowSignals(ds);
        const int at = ds->recNo();
        for (ds->first(); !ds->eof(); ds->next()) addItem(ds->field(listIdx).asString(), ds->field(keyIdx).asString());
        ds->setRecNo(at);
      }
    } catch (const fb::FbError& e) {
      qWarning("Filling the list %s: %s", qUtf8Printable(objectName()), qUtf8Printable(e.message()));
    }
  }
  followCurrentRow();
  filling_ = false;
}

void TDBLookupComboBox::followCurrentRow() {
  FbDataset* ds = source_ ? source_->dataset() : nullptr;
  if (!ds || !ds->active() || ds->isEmpty() || ds->fieldIndex(keyField_) < 0) {
    setCurrentIndex(-1);
    return;
  }
  setKeyValue(ds->fieldByName(keyField_).asString());
}

QString TDBLookupComboBox::keyValue() const { return currentIndex() < 0 ? QString() : currentData().toString(); }

void TDBLookupComboBox::setKeyValue(const QString& key) {
  const QSignalBlocker b(this);
  setCurrentIndex(key.isEmpty() ? -1 : findData(key));
}

void TDBLookupComboBox::picked(int index) {
  FbDataset* ds = source_ ? source_->dataset() : nullptr;
  if (!ds || !ds->active() || index < 0) return;
  const QString key = itemData(index).toString();
  if (ds->state() == DatasetState::Browse && ds->fieldIndex(keyField_) >= 0) {
    const int keyIdx = ds->fieldIndex(keyField_);
    // The key is compared as the dataset holds it (an integer key
    // compares as a number).
    const fb::FbValue value = ds->column(keyIdx).isInteger() ? fb::FbValue(static_cast<std::int64_t>(key.toLongLong()))
                                                             : fb::FbValue(key.toUtf8());
    filling_ = true;
    ds->locate(keyField_, value);
    filling_ = false;
  }
  setKeyValue(key);
  emit clicked();
}

}  // namespace sono::widgets
