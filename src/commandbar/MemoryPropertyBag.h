#pragma once

#include "commandbar/BarPropertyBag.h"

#include <QHash>

// A property bag kept in memory, for a window whose bar properties are
// written in its own code.
class MemoryPropertyBag : public BarPropertyBag {
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const override;
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue = {}) override;

    bool Contains(const QString& name) const;
    int Size() const { return static_cast<int>(values_.size()); }

private:
    QHash<QString, QVariant> values_;  // by upper-case name
};
