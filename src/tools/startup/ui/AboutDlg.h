#pragma once

#include <QDialog>
#include <QImage>

namespace veritom {

// About (template 100): the product's name, its version and build date, and the maker, over
// the product picture.
class CAboutDlg : public QDialog {
public:
    static constexpr int kTemplateId = 100;

    explicit CAboutDlg(const QImage& picture, QWidget* parent = nullptr);

    int Run();
};

}  // namespace veritom
