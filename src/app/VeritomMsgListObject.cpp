#include "VeritomMsgListObject.h"

#include "base/Archive.h"

namespace veritom {

void CVeritomMsgListObject::Serialize(CArchive& ar) {
    ar.Transfer(m_number);
    ar.Transfer(m_text);
}

}  // namespace veritom
