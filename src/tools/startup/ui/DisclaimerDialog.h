#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace veritom {

// The disclaimer (template 1173): the safety guide's heading, the danger notice and the
// guide's rich text. Accept ends with IDOK; Decline, Escape or closing the window with
// IDCANCEL, after which the program ends.
class CDisclaimerDialog : public QDialog {
public:
    static constexpr int kTemplateId = 1173;

    // richText is the guide (HTML); an empty one is reported and leaves the text area empty.
    explicit CDisclaimerDialog(const QString& richText, QWidget* parent = nullptr);

    int Run();

    QTextBrowser* TextArea() const { return m_text; }

private:
    QTextBrowser* m_text = nullptr;
};

}  // namespace veritom
