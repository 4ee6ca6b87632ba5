#include "commandbar/MemoryPropertyBag.h"

QVariant MemoryPropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    return values_.value(name.toUpper(), defaultValue);
}

void MemoryPropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    if (!defaultValue.isNull() && value == defaultValue) {
        values_.remove(name.toUpper());
    } else {
        values_.insert(name.toUpper(), value);
    }
}

bool MemoryPropertyBag::Contains(const QString& name) const { return values_.contains(name.toUpper()); }
