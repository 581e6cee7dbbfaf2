#include "app/ui/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace veritom {

namespace {

std::deque<QString>& Answers() {
    static std::deque<QString> answers;
    return answers;
}

std::optional<CFileDialog::Request>& Last() {
    static std::optional<CFileDialog::Request> last;
    return last;
}

// A missing save folder is made (it is the user's own folder for selections on first use);
// an open dialog starts at home instead.
QString StartingFolder(const CFileDialog::Request& request) {
    if (!request.folder.isEmpty() && QDir(request.folder).exists()) {
        return request.folder;
    }
    if (request.save && !request.folder.isEmpty() && QDir().mkpath(request.folder)) {
        return request.folder;
    }
    return QDir::homePath();
}

}  // namespace

QString CFileDialog::Run(QWidget* parent, const Request& request) {
    Last() = request;
    if (!Answers().empty()) {
        QString answer = Answers().front();
        Answers().pop_front();
        return answer;
    }
    return Show(parent, request);
}

QString CFileDialog::Show(QWidget* parent, const Request& request) {
    QFileDialog dialog(parent, request.title, StartingFolder(request), request.filter);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.startsWith(QLatin1Char('*'))) {
        dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

void CFileDialog::SetNextFileName(const QString& path) {
    Answers().push_back(path);
}

void CFileDialog::ClearAnswers() {
    Answers().clear();
    Last().reset();
}

const std::optional<CFileDialog::Request>& CFileDialog::LastRequest() {
    return Last();
}

QString CFileDialog::QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (description.isEmpty()) {
            break;
        }
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace veritom
