// The property tables of the widget kinds: the names a language file uses
// for a component, mapped onto our Qt widgets. Kinds are tried from the
// most specific to plain objects; the first one an object belongs to gives
// its whole table.

#include "i18n/LcProperties.h"
#include "platform/widgets/DBLookupComboBox.h"

#include <QAbstractItemView>
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTreeWidget>

#include <functional>
#include <utility>

namespace sono::i18n {

const TLcPropInfo* TLcPropTable::find(QByteArrayView name) const {
  for (const TLcPropInfo& p : props_)
    if (QByteArrayView(p.name).compare(name, Qt::CaseInsensitive) == 0) return &p;
  return nullptr;
}

const TLcPropTable& TLcStrings::properties() const {
  static const TLcPropTable none;
  return none;
}

const TLcPropTable& TLcCollection::properties() const {
  static const TLcPropTable none;
  return none;
}

TLcComponent::TLcComponent(QObject* object) : object_(object), table_(&LcPropertiesOf(object)) {}

namespace {

using K = TLcTypeKind;

// The widget behind a component value; the kind's table is only ever used
// on objects of that kind, the check keeps a mismatch harmless.
template <class W>
W* widgetOf(TLcObject& o) {
  auto* c = dynamic_cast<TLcComponent*>(&o);
  return c ? qobject_cast<W*>(c->object()) : nullptr;
}

template <class W, class Get, class Set>
TLcPropInfo text(const char* name, Get get, Set set, K kind = K::LongString) {
  TLcPropInfo p;
  p.name = name;
  p.kind = kind;
  p.get = [get](TLcObject& o) -> QString {
    W* w = widgetOf<W>(o);
    return w ? QString(std::invoke(get, *w)) : QString();
  };
  p.set = [set](TLcObject& o, const QString& t) {
    if (W* w = widgetOf<W>(o)) std::invoke(set, *w, t);
  };
  return p;
}

template <class W, class Get>
TLcPropInfo readOnlyText(const char* name, Get get, K kind = K::LongString) {
  TLcPropInfo p = text<W>(
      name, get, [](W&, const QString&) {}, kind);
  p.set = {};
  return p;
}

template <class W, class Make>
TLcPropInfo object(const char* name, Make make) {
  TLcPropInfo p;
  p.name = name;
  p.kind = K::Class;
  p.object = [make](TLcObject& o) -> std::unique_ptr<TLcObject> {
    W* w = widgetOf<W>(o);
    return w ? make(*w) : nullptr;
  };
  return p;
}

TLcPropInfo other(const char* name) {
  TLcPropInfo p;
  p.name = name;
  p.kind = K::Other;
  return p;
}

// --- string lists ---------------------------------------------------------

class ComboItems final : public TLcStrings {
 public:
  explicit ComboItems(QComboBox* c) : c_(c) {}
  int count() const override { return c_ ? c_->count() : 0; }
  QString line(int i) const override { return c_ ? c_->itemText(i) : QString(); }
  void setLine(int i, const QString& t) override {
    if (c_) c_->setItemText(i, t);
  }

 private:
  QPointer<QComboBox> c_;
};

class ListItems final : public TLcStrings {
 public:
  explicit ListItems(QListWidget* l) : l_(l) {}
  int count() const override { return l_ ? l_->count() : 0; }
  QString line(int i) const override {
    const QListWidgetItem* it = l_ ? l_->item(i) : nullptr;
    return it ? it->text() : QString();
  }
  void setLine(int i, const QString& t) override {
    if (QListWidgetItem* it = l_ ? l_->item(i) : nullptr) it->setText(t);
  }

 private:
  QPointer<QListWidget> l_;
};

// A memo's lines are its text blocks; an empty memo has none.
class MemoLines final : public TLcStrings {
 public:
  explicit MemoLines(QPlainTextEdit* m) : m_(m) {}
  int count() const override { return m_ && !m_->document()->isEmpty() ? m_->document()->blockCount() : 0; }
  QString line(int i) const override { return m_ ? m_->document()->findBlockByNumber(i).text() : QString(); }
  void setLine(int i, const QString& t) override {
    if (!m_) return;
    const QTextBlock b = m_->document()->findBlockByNumber(i);
    if (!b.isValid()) return;
    QTextCursor c(b);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.insertText(t);
  }

 private:
  QPointer<QPlainTextEdit> m_;
};

// --- the columns of item views (grids) -------------------------------------

QString headerText(QAbstractItemView* v, int i) {
  if (auto* t = qobject_cast<QTableWidget*>(v)) {
    if (const QTableWidgetItem* h = t->horizontalHeaderItem(i)) return h->text();
  }
  return v->model() ? v->model()->headerData(i, Qt::Horizontal).toString() : QString();
}

void setHeaderText(QAbstractItemView* v, int i, const QString& text) {
  if (auto* t = qobject_cast<QTableWidget*>(v)) {
    // A table without a header item numbers its columns; the title needs one.
    if (QTableWidgetItem* h = t->horizontalHeaderItem(i)) {
      h->setText(text);
    } else {
      t->setHorizontalHeaderItem(i, new QTableWidgetItem(text));
    }
  } else if (auto* tree = qobject_cast<QTreeWidget*>(v)) {
    tree->headerItem()->setText(i, text);
  } else if (v->model()) {
    v->model()->setHeaderData(i, Qt::Horizontal, text);
  }
}

class ColumnTitle final : public TLcObject {
 public:
  ColumnTitle(QAbstractItemView* v, int i) : v_(v), i_(i) {}
  const TLcPropTable& properties() const override {
    static const TLcPropTable table = [] {
      TLcPropInfo caption;
      caption.name = "Caption";
      caption.kind = K::LongString;
      caption.get = [](TLcObject& o) {
        auto& t = static_cast<ColumnTitle&>(o);
        return t.v_ ? headerText(t.v_, t.i_) : QString();
      };
      caption.set = [](TLcObject& o, const QString& text) {
        auto& t = static_cast<ColumnTitle&>(o);
        if (t.v_) setHeaderText(t.v_, t.i_, text);
      };
      return TLcPropTable{caption, other("Alignment")};
    }();
    return table;
  }

 private:
  QPointer<QAbstractItemView> v_;
  int i_;
};

class Column final : public TLcObject {
 public:
  Column(QAbstractItemView* v, int i) : v_(v), i_(i) {}
  const TLcPropTable& properties() const override {
    static const TLcPropTable table = [] {
      TLcPropInfo title;
      title.name = "Title";
      title.kind = K::Class;
      title.object = [](TLcObject& o) -> std::unique_ptr<TLcObject> {
        auto& c = static_cast<Column&>(o);
        return c.v_ ? std::make_unique<ColumnTitle>(c.v_, c.i_) : nullptr;
      };
      return TLcPropTable{title, other("Width"), other("Visible"), other("Alignment")};
    }();
    return table;
  }

 private:
  QPointer<QAbstractItemView> v_;
  int i_;
};

class Columns final : public TLcCollection {
 public:
  explicit Columns(QAbstractItemView* v) : v_(v) {}
  int count() const override { return v_ && v_->model() ? v_->model()->columnCount() : 0; }
  std::unique_ptr<TLcObject> item(int i) override { return v_ ? std::make_unique<Column>(v_, i) : nullptr; }

 private:
  QPointer<QAbstractItemView> v_;
};

// --- the kinds -------------------------------------------------------------

// What every control has. Hint is the tooltip; the board button keeps its
// play target in a field of its own, which no language file reaches.
TLcPropTable control() {
  return {text<QWidget>("Hint", &QWidget::toolTip, &QWidget::setToolTip),
          other("Left"),
          other("Top"),
          other("Width"),
          other("Height"),
          other("Enabled"),
          other("Visible")};
}

TLcPropTable with(TLcPropTable base, const TLcPropTable& more) {
  base += more;
  return base;
}

QString comboText(const QComboBox& c) { return c.currentText(); }
void setComboText(QComboBox& c, const QString& t) {
  if (c.isEditable()) {
    c.setEditText(t);
  } else {
    c.setCurrentText(t);  // selects the entry with that text, as a list-only combo does
  }
}

struct Kind {
  const QMetaObject* meta;
  TLcPropTable table;
};

QList<Kind> makeKinds() {
  const TLcPropTable form =
      with(control(), {text<QWidget>("Caption", &QWidget::windowTitle, &QWidget::setWindowTitle)});
  return {
      // The lookup list shows the data's text; it is not a design text.
      {&widgets::TDBLookupComboBox::staticMetaObject, with(control(), {readOnlyText<QComboBox>("Text", &comboText)})},
      {&QComboBox::staticMetaObject,
       with(control(), {text<QComboBox>("Text", &comboText, &setComboText),
                        object<QComboBox>("Items", [](QComboBox& c) { return std::make_unique<ComboItems>(&c); })})},
      {&QMainWindow::staticMetaObject, form},
      {&QDialog::staticMetaObject, form},
      {&QAbstractButton::staticMetaObject,
       with(control(), {text<QAbstractButton>("Caption", &QAbstractButton::text, &QAbstractButton::setText)})},
      {&QLabel::staticMetaObject, with(control(), {text<QLabel>("Caption", &QLabel::text, &QLabel::setText)})},
      {&QGroupBox::staticMetaObject,
       with(control(), {text<QGroupBox>("Caption", &QGroupBox::title, &QGroupBox::setTitle)})},
      {&QLineEdit::staticMetaObject, with(control(), {text<QLineEdit>("Text", &QLineEdit::text, &QLineEdit::setText)})},
      {&QPlainTextEdit::staticMetaObject,
       with(control(),
            {text<QPlainTextEdit>("Text", &QPlainTextEdit::toPlainText, &QPlainTextEdit::setPlainText),
             object<QPlainTextEdit>("Lines", [](QPlainTextEdit& m) { return std::make_unique<MemoLines>(&m); })})},
      {&QListWidget::staticMetaObject,
       with(control(), {object<QListWidget>("Items", [](QListWidget& l) { return std::make_unique<ListItems>(&l); })})},
      {&QAbstractItemView::staticMetaObject,
       with(control(), {object<QAbstractItemView>(
                           "Columns", [](QAbstractItemView& v) { return std::make_unique<Columns>(&v); })})},
      {&QMenu::staticMetaObject, with(control(), {text<QMenu>("Caption", &QMenu::title, &QMenu::setTitle)})},
      {&QWidget::staticMetaObject, control()},
      {&QAction::staticMetaObject,
       {text<QAction>("Caption", &QAction::text, &QAction::setText),
        text<QAction>("Hint", &QAction::toolTip, &QAction::setToolTip), other("ShortCut"), other("Enabled"),
        other("Visible"), other("Checked")}},
      {&QObject::staticMetaObject, {}},
  };
}

}  // namespace

const TLcPropTable& LcPropertiesOf(const QObject* object) {
  static const QList<Kind> kinds = makeKinds();
  static const TLcPropTable none;
  if (!object) return none;
  for (const Kind& k : kinds)
    if (k.meta->cast(object)) return k.table;
  return none;
}

}  // namespace sono::i18n
