#pragma once

#include <QDateTime>
#include <QString>

namespace orderpad {

// One line of the order list: a part as a selection program sent it, and when it came.
struct OrderLine {
    QString partNumber;
    QString quantity;
    QString division;
    QString description;
    QString modification;
    QString customerNotes;
    QString sender;
    QDateTime received;

    bool operator==(const OrderLine&) const = default;
};

}  // namespace orderpad
