#pragma once

namespace veritom {

// What a workflow tells the selection object that owns it.
class IWorkflowOwner {
public:
    virtual ~IWorkflowOwner() = default;
    // The selection-complete, order-pad-ready and spare flags, set or cleared together.
    virtual void SetCompletionFlags(bool on) = 0;
    virtual void RedrawMainWindow() = 0;
};

}  // namespace veritom
