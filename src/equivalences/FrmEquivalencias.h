#pragma once

#include <QWidget>

// The program's working window: maintenance of unit equivalences.
class FrmEquivalencias : public QWidget {
    Q_OBJECT
public:
    explicit FrmEquivalencias(QWidget* parent = nullptr);
};
