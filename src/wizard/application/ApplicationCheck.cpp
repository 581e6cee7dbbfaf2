#include "ApplicationCheck.h"

#include "model/ValveData.h"
#include "wizard/application/CatalogCheck.h"
#include "wizard/application/SizingCheck.h"
#include "wizard/application/ValveSizeCheck.h"

namespace veritom {

std::optional<CCheckOutcome> CApplicationCheck::Run(IDatabase& db, const CProd_ValveData& record,
                                                    const EmptyEntries& empty) {
    if (record.m_SelMethodCode.Value() == 2) {
        return CValveSizeCheck::Run(db, record, empty);
    }
    if (record.m_SelMethodCode.Value() != 1) {
        return std::nullopt;
    }
    switch (record.m_MethodLink) {
        case 1:
            return CCatalogCheck::Run(db, record, empty);
        case 2:
            return CSizingCheck::Run(db, record, empty);
        default:
            return std::nullopt;
    }
}

}  // namespace veritom
