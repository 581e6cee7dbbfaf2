#pragma once

#include "app/ui/VeritomView.h"

namespace veritom {

// The product's button panel. It draws as the framework's panel does; what is printed for a
// selection is the selection report, not the panel.
class CNerithView : public CVeritomView {
public:
    explicit CNerithView(CVeritomApp& app, QWidget* parent = nullptr);
};

}  // namespace veritom
