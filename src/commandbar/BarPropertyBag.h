#pragma once

#include <QString>
#include <QVariant>

// The named values a window keeps for the command bar it hosts: the window
// supplies the store, the bar says what goes in and comes out. Values keep
// the type they were written with; names are matched ignoring case.
class BarPropertyBag {
public:
    virtual ~BarPropertyBag() = default;

    // The stored value of `name`, or `defaultValue` when none is stored.
    virtual QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const = 0;
    // Stores `value` under `name`; a value equal to `defaultValue` is not
    // stored and drops what was. A null default stores every value.
    virtual void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue = {}) = 0;
};
