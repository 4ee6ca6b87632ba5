#pragma once

#include <QLineEdit>

// An entry field of a control array: it knows its index in the array, the
// column it is bound to (DataField), the table its code is looked up in (Tag)
// and whether its column holds numbers.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(int index, QWidget* parent = nullptr) : QLineEdit(parent), index_(index) {}

    int index() const { return index_; }

    QString dataField() const { return dataField_; }
    void setDataField(const QString& column) { dataField_ = column; }

    QString tag() const { return tag_; }
    void setTag(const QString& table) { tag_ = table; }

    bool isNumeric() const { return numeric_; }
    void setNumeric(bool numeric) { numeric_ = numeric; }

private:
    int index_;
    QString dataField_;
    QString tag_;
    bool numeric_ = false;
};
