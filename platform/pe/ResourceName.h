#pragma once
// A resource's type or name: either a 16-bit number or a string. String
// names are compared without regard to case, as the system's own resource
// lookup does.

#include <QString>

namespace sono::pe {

enum ResourceType : quint16 {
  RtIcon = 3,
  RtRcData = 10,
  RtGroupIcon = 14,
};

class ResourceName {
 public:
  ResourceName() = default;
  ResourceName(ResourceType type) : id_(type) {}  // NOLINT: a type is a name
  static ResourceName fromId(quint16 id) { return ResourceName(id, {}); }
  static ResourceName fromString(const QString& name) { return ResourceName(0, name, true); }

  bool isString() const { return isString_; }
  quint16 id() const { return id_; }
  const QString& string() const { return name_; }

  bool matches(const ResourceName& other) const {
    if (isString_ != other.isString_) return false;
    return isString_ ? name_.compare(other.name_, Qt::CaseInsensitive) == 0 : id_ == other.id_;
  }
  bool operator==(const ResourceName& other) const { return matches(other); }

 private:
  ResourceName(quint16 id, const QString& name, bool isString = false) : id_(id), name_(name), isString_(isString) {}
  quint16 id_ = 0;
  QString name_;
  bool isString_ = false;
};

}  // namespace sono::pe
