#pragma once
// A store of named values kept with each placed control of a window's layout. Windows of
// this program build their controls in code; the store keeps the stored-layout step of a
// control (write every value, read each back with a default) in one place.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace korv {

class PropertyBag {
public:
    // The stored value under `name`, or `defaultValue` when the name is missing.
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = QVariant()) const;
    // Stores `value` under `name`. A value equal to `defaultValue` is left out of the store
    // (and an earlier value under that name removed); without a default it is always kept.
    void WriteProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = QVariant());

    bool contains(const QString& name) const { return values_.contains(name); }
    void remove(const QString& name);
    // The names in the order they were first written.
    const QStringList& names() const { return order_; }

private:
    QVariantMap values_;
    QStringList order_;
};

} // namespace korv
