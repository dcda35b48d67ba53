#include "PropertyBag.h"

namespace korv {

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const {
    const auto it = values_.constFind(name);
    return it == values_.constEnd() ? defaultValue : it.value();
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue) {
    if (defaultValue.isValid() && value == defaultValue) {
        remove(name);
        return;
    }
    if (!values_.contains(name)) order_.append(name);
    values_.insert(name, value);
}

void PropertyBag::remove(const QString& name) {
    values_.remove(name);
    order_.removeAll(name);
}

} // namespace korv
