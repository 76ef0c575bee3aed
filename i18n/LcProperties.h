#pragma once
// What window translation sees of a component: its published properties,
// looked up by the names language files use ("Caption", "Hint", "Text",
// "Items", "Lines", "Columns", ...), each with its type and whether it can
// be written; and the object values behind them, which may be string lists
// (numbered lines) or collections (numbered items). Each widget kind has a
// table of its properties (LcWidgetKinds.cpp); the values are small views
// over the widget, made when the walk reaches them.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QObject;

namespace sono::i18n {

enum class TLcTypeKind {
  ShortString,  // short 8-bit text
  LongString,   // long 8-bit text
  WideString,   // UTF-16 text
  Class,        // an object
  Other,        // numbers, booleans, sets, ...
};

inline bool LcIsTextKind(TLcTypeKind k) {
  return k == TLcTypeKind::ShortString || k == TLcTypeKind::LongString || k == TLcTypeKind::WideString;
}

class TLcObject;

// One published property of an object kind. Text properties give and take
// the widget's text as it shows it; the 8-bit kinds stand for properties
// whose value the system holds as 8-bit text (see LcTranslate.cpp).
struct TLcPropInfo {
  using Getter = std::function<QString(TLcObject&)>;
  using Setter = std::function<void(TLcObject&, const QString&)>;
  using ObjectGetter = std::function<std::unique_ptr<TLcObject>(TLcObject&)>;

  QByteArray name;
  TLcTypeKind kind = TLcTypeKind::Other;
  Getter get;           // text kinds
  Setter set;           // text kinds; empty: the property is read-only
  ObjectGetter object;  // Class: the value, nullptr when empty

  bool writable() const { return bool(set); }
};

// An ordered table; names are found without regard to case.
class TLcPropTable {
 public:
  TLcPropTable() = default;
  TLcPropTable(std::initializer_list<TLcPropInfo> props) : props_(props) {}
  TLcPropTable& operator+=(const TLcPropTable& more) {
    props_ += more.props_;
    return *this;
  }
  const TLcPropInfo* find(QByteArrayView name) const;
  const QList<TLcPropInfo>& props() const { return props_; }

 private:
  QList<TLcPropInfo> props_;
};

class TLcStrings;
class TLcCollection;

// A value the walk can stand on.
class TLcObject {
 public:
  virtual ~TLcObject() = default;
  virtual const TLcPropTable& properties() const = 0;
  virtual TLcStrings* asStrings() { return nullptr; }
  virtual TLcCollection* asCollection() { return nullptr; }
};

// A string list: numbered lines, no published properties of its own.
class TLcStrings : public TLcObject {
 public:
  const TLcPropTable& properties() const override;
  TLcStrings* asStrings() override { return this; }
  virtual int count() const = 0;
  virtual QString line(int i) const = 0;
  virtual void setLine(int i, const QString& text) = 0;
};

// A collection: numbered items, each an object with its own properties.
class TLcCollection : public TLcObject {
 public:
  const TLcPropTable& properties() const override;
  TLcCollection* asCollection() override { return this; }
  virtual int count() const = 0;
  // Item i (0 <= i < count()); nullptr when it does not exist.
  virtual std::unique_ptr<TLcObject> item(int i) = 0;
};

// A component (a window or a component it owns) as translation sees it,
// with the property table of its widget kind.
class TLcComponent : public TLcObject {
 public:
  explicit TLcComponent(QObject* object);
  const TLcPropTable& properties() const override { return *table_; }
  QObject* object() const { return object_; }

 private:
  QObject* object_;
  const TLcPropTable* table_;
};

// The property table of `object`'s widget kind: the first registered kind
// it belongs to, from the most specific to plain objects.
const TLcPropTable& LcPropertiesOf(const QObject* object);

}  // namespace sono::i18n
