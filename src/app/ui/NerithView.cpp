#include "app/ui/NerithView.h"

namespace veritom {

CNerithView::CNerithView(CVeritomApp& app, QWidget* parent) : CVeritomView(app, parent) {}

}  // namespace veritom
