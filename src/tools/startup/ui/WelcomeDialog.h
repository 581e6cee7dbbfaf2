#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

namespace veritom {

// The welcome screen (template 268): the opening picture of the language and OK. A picture
// that cannot be read leaves the picture box empty.
class CWelcomeDialog : public QDialog {
public:
    static constexpr int kTemplateId = 268;

    explicit CWelcomeDialog(const QString& picturePath, QWidget* parent = nullptr);

    int Run();

    bool HasPicture() const { return !m_image.isNull(); }

private:
    QImage m_image;
    QLabel* m_picture = nullptr;
};

}  // namespace veritom
