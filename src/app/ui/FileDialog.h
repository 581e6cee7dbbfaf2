#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <string>

class QWidget;

namespace veritom {

// The file dialogs of the file commands. Tests queue the answers of the next dialogs, which
// are then given without any dialog appearing, and read what the last dialog was asked.
class CFileDialog {
public:
    struct Request {
        bool save = false;
        QString title;
        QString folder;        // the starting folder
        QString proposedName;  // "*.mrv" proposes no name, only the kind of file
        QString filter;        // Qt form: "Morvane Valve Files (*.mrv)"
        QString defaultSuffix;
    };

    // The chosen path, or empty when the user cancelled.
    static QString Run(QWidget* parent, const Request& request);

    // The next dialog answers path; an empty path answers Cancel.
    static void SetNextFileName(const QString& path);
    static void ClearAnswers();
    static const std::optional<Request>& LastRequest();

    // "Description (*.ext)|*.ext||" as Qt's file dialogs write filters.
    static QString QtFilter(const std::string& filter);

private:
    static QString Show(QWidget* parent, const Request& request);
};

}  // namespace veritom
