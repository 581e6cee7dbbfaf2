#include "ProdBaseObject.h"

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "model/WorkflowOwner.h"

namespace veritom {

CProd_BaseObject::CProd_BaseObject(int buttonCount, IWorkflowOwner* owner)
    : m_owner(owner), m_buttonCount(buttonCount < 0 ? 0 : buttonCount) {
    CProd_BaseObject::Reset();
}

CProd_BaseObject::~CProd_BaseObject() = default;

void CProd_BaseObject::Serialize(CArchive& ar) {
    if (ar.IsLoading()) {
        Reset();
    }
    SerializeSteps(ar);
}

void CProd_BaseObject::SerializeSteps(CArchive& ar) {
    ar.Transfer(m_stepReached);
    for (std::string& text : m_stepTexts) {
        ar.Transfer(text);
    }
}

void CProd_BaseObject::Reset() {
    m_stepTexts.assign(static_cast<std::size_t>(m_buttonCount) + 1, std::string());
}

void CProd_BaseObject::ShowMissingStep(int digit) const {
    MessageBox("You must define a DoButtonDialog_" + std::to_string(digit) +
               "() method in your class derived from CProd_BaseObject.");
}

int CProd_BaseObject::DoButtonDialog_2() {
    ShowMissingStep(2);
    return 0;
}

int CProd_BaseObject::DoButtonDialog_3() {
    ShowMissingStep(3);
    return 0;
}

int CProd_BaseObject::DoButtonDialog_4() {
    ShowMissingStep(4);
    return 0;
}

int CProd_BaseObject::DoButtonDialog_5() {
    ShowMissingStep(5);
    return 0;
}

int CProd_BaseObject::DoButtonDialog_6() {
    ShowMissingStep(6);
    return 0;
}

void CProd_BaseObject::AddToOrderPad() {}

void CProd_BaseObject::FillReportMap(CReportMap&, const CProd_BaseData*) {}

bool CProd_BaseObject::IsButtonEnabled(int) {
    return false;
}

std::string CProd_BaseObject::GetStepText(int n) const {
    if (n < 0 || n > m_buttonCount) {
        return {};
    }
    return m_stepTexts[static_cast<std::size_t>(n)];
}

bool CProd_BaseObject::SetStepText(int n, const std::string& text) {
    if (n < 0 || n > m_buttonCount) {
        return false;
    }
    m_stepTexts[static_cast<std::size_t>(n)] = text;
    return true;
}

void CProd_BaseObject::ClearStepTexts(int n) {
    for (int i = n < 0 ? 0 : n; i <= m_buttonCount; ++i) {
        m_stepTexts[static_cast<std::size_t>(i)].clear();
    }
}

void CProd_BaseObject::SetOwnerCompletionFlags(bool on) {
    if (m_owner) {
        m_owner->SetCompletionFlags(on);
    }
}

}  // namespace veritom
