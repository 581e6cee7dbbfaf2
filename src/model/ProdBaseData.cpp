#include "ProdBaseData.h"

namespace veritom {

CProd_BaseData::~CProd_BaseData() = default;

void CProd_BaseData::Serialize(CArchive&) {}

void CProd_BaseData::Reset(int) {}

void CProd_BaseData::AddToReportMap(CReportMap&) const {}

}  // namespace veritom
