#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "OrderLine.h"

namespace orderpad {

// A transfer document as a selection program sends it: an OLE2 compound file with one
// storage "Part*<n>" per part (n from 0, six text streams each) and the sending program's
// name in "Veritom Name". A document that does not have this shape is refused as a whole.
struct TransferDocument {
    QString sender;
    QList<OrderLine> parts;  // received is left unset
    // Why the document was refused; empty when it was read.
    QString error;

    bool Ok() const { return error.isEmpty(); }

    static TransferDocument Read(const QByteArray& bytes);
};

}  // namespace orderpad
