#pragma once

#include <QProxyStyle>

namespace veritom {

// The program's style: the platform's, with a keyboard focus mark that can be seen at a
// glance on the step buttons, the lists and every other control.
class CFocusStyle : public QProxyStyle {
public:
    CFocusStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace veritom
