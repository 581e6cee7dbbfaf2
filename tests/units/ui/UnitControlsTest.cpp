#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>

#include "MessageRecorder.h"
#include "units/UnitDouble.h"
#include "units/ui/ColorListBox.h"
#include "units/ui/ComboUnit.h"
#include "units/ui/EditNumeric.h"
#include "units/ui/TabComboBox.h"

namespace veritom {
namespace {

void Press(QWidget& widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &release);
}

// Types text key by key, as a user would.
void Type(QWidget& widget, const QString& text) {
    for (const QChar ch : text) {
        Press(widget, ch.toUpper().unicode(), QString(ch));
    }
}

void Click(QWidget& widget, const QPoint& position) {
    QMouseEvent press(QEvent::MouseButtonPress, position, widget.mapToGlobal(position),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, position, widget.mapToGlobal(position),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

TEST(UnitControls, ANumericBoxTakesOnlyWhatMakesANumber) {
    test::MessageRecorder messages;
    CEditNumeric box;
    box.SetLeadWithZero(true);
    Type(box, QStringLiteral("12.5"));
    EXPECT_EQ(box.text(), QStringLiteral("12.5"));
    EXPECT_EQ(messages.beeps, 0);

    Type(box, QStringLiteral(".a-"));  // a second point, a letter, a minus not allowed
    EXPECT_EQ(box.text(), QStringLiteral("12.5"));
    EXPECT_EQ(messages.beeps, 3);

    box.setSelection(2, 1);  // the point itself may be typed over, and "," shows as "."
    Type(box, QStringLiteral(","));
    EXPECT_EQ(box.text(), QStringLiteral("12.5"));
    Press(box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("125"));
    EXPECT_EQ(messages.beeps, 3);

    box.selectAll();
    Type(box, QStringLiteral(",5"));
    EXPECT_EQ(box.text(), QStringLiteral(".5"));
    EXPECT_EQ(box.GetText(), "0.5");
    EXPECT_DOUBLE_EQ(box.GetDouble(), 0.5);

    // Pasting: only what could have been typed.
    box.clear();
    QApplication::clipboard()->setText(QStringLiteral("1.2.3"));
    box.paste();
    EXPECT_EQ(box.text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("7,25"));
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("7.25"));

    box.setReadOnly(true);  // a result box
    Type(box, QStringLiteral("1"));
    EXPECT_EQ(box.text(), QStringLiteral("7.25"));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(UnitControls, ChoosingAnotherUnitConvertsTheShownValue) {
    test::MessageRecorder messages;
    CUnitDouble pressure(7, "BAR");
    CComboUnit units;
    CEditNumeric box;
    units.FillCompatible(pressure, {"PA", "MPA"});
    EXPECT_EQ(units.currentText(), QStringLiteral("bar abs"));
    box.SetUnitValue(pressure, pressure.Unit(), 2, false, true);
    EXPECT_EQ(box.text(), QStringLiteral("7"));

    // What a dialog does when the unit changes: the typed number is kept in the new unit.
    QObject::connect(&units, &QComboBox::currentIndexChanged, &box, [&] {
        pressure.SetValue(box.GetDouble());
        pressure.ConvertTo(units.GetSelectedUnitCode());
        box.SetUnitValue(pressure, pressure.Unit(), 2, false, true);
    });
    Press(units, Qt::Key_Down);
    EXPECT_EQ(units.currentText(), QStringLiteral("kPa abs"));
    EXPECT_EQ(box.text(), QStringLiteral("700"));
    EXPECT_EQ(pressure.Unit(), "KPA");
    Press(units, Qt::Key_Down);
    EXPECT_EQ(units.GetSelectedUnitCode(), "PSIA");
    EXPECT_EQ(box.text(), QStringLiteral("101.53"));
    EXPECT_TRUE(messages.boxes.empty());

    CComboUnit empty;
    empty.AddNumbers({0, 0.25, 0, 1}, 2, false, true, QStringLiteral(" in").toStdString());
    EXPECT_EQ(empty.currentIndex(), -1);  // nothing chosen yet
    EXPECT_EQ(empty.GetSelectedNumber(), 0);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Nothing in Combo Box Selected"}));
    Press(empty, Qt::Key_Down);
    EXPECT_EQ(empty.GetSelectedNumber(), 0.25);
    EXPECT_EQ(empty.itemData(1).toInt(), 3);
}

TEST(UnitControls, AColourListKeepsTheSelectionOffUnselectableLines) {
    test::MessageRecorder messages;
    CColorListBox list;
    list.AddLine("Brass");
    list.AddLine("Not available", false);
    list.AddLine("Steel", true, RgbColour(200, 0, 0));
    list.resize(200, 120);
    list.show();
    list.setCurrentRow(0);

    Press(list, Qt::Key_Down);
    EXPECT_EQ(list.currentRow(), 2);
    Press(list, Qt::Key_Up);
    EXPECT_EQ(list.currentRow(), 0);

    Click(*list.viewport(), list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(list.currentRow(), 0);
    Click(*list.viewport(), list.visualItemRect(list.item(2)).center());
    EXPECT_EQ(list.currentRow(), 2);

    Type(list, QStringLiteral("b"));  // the comparison is exact
    EXPECT_EQ(list.currentRow(), 2);
    Type(list, QStringLiteral("B"));
    EXPECT_EQ(list.currentRow(), 0);

    // Disabled and empty, it holds the placeholder, which is never drawn.
    list.Clear();
    list.Enable(false);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("asdf"));
    const QImage image = list.grab().toImage();
    const QRect row = list.visualItemRect(list.item(0)).translated(list.viewport()->pos());
    const QRgb first = image.pixel(row.topLeft());
    bool uniform = true;
    for (int y = row.top(); y <= row.bottom() && uniform; ++y) {
        for (int x = row.left(); x <= row.right(); ++x) {
            uniform = uniform && image.pixel(x, y) == first;
        }
    }
    EXPECT_TRUE(uniform);
    list.Enable(true);
    EXPECT_EQ(list.AddLine("Brass"), 0);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("Brass"));
}

TEST(UnitControls, ATabComboWidensItsDropDownForWideLines) {
    CTabComboBox combo;
    combo.resize(120, combo.sizeHint().height());
    combo.show();
    combo.SetTabStops({60, 200});
    combo.AddString("1/4");
    EXPECT_EQ(combo.DropDownWidth(), 120);
    combo.AddString("1/4\tNPT female thread\tBrass body with Viton seal");
    EXPECT_GT(combo.DropDownWidth(), 200 * combo.fontMetrics().averageCharWidth() / 4);
    EXPECT_EQ(combo.view()->minimumWidth(), combo.DropDownWidth());
    combo.Clear();
    EXPECT_EQ(combo.DropDownWidth(), 120);
    combo.SetWidthMode(2);
    EXPECT_EQ(combo.view()->minimumWidth(), 240);
}

}  // namespace
}  // namespace veritom
