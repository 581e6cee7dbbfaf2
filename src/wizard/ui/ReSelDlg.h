#pragma once

#include <QDialog>

namespace veritom {

// The Reselection Notice (template 235), shown before an earlier step is done again: Yes
// (IDOK) lets the step run and erase what followed it, No (IDCANCEL) keeps everything.
class CReSelDlg : public QDialog {
public:
    static constexpr int kTemplateId = 235;

    explicit CReSelDlg(QWidget* parent = nullptr);

    // IDOK for Yes, IDCANCEL for No.
    int Run();
};

}  // namespace veritom
