#pragma once

#include <QHash>
#include <QString>

namespace orderpad {

// Ids of the order pad's own string table (res/strings.txt).
enum TextId {
    kWindowTitle = 100,
    kColumnPartNumber = 101,
    kColumnQuantity = 102,
    kColumnDivision = 103,
    kColumnDescription = 104,
    kColumnModification = 105,
    kColumnCustomerNotes = 106,
    kColumnSender = 107,
    kColumnReceived = 108,
    kMenuOrder = 110,
    kRemoveSelected = 111,
    kRemoveAll = 112,
    kClose = 113,
    kConfirmRemoveAll = 114,
    kPartsReceived = 115,
    kBadQuantity = 116,
    kListEmpty = 117,
    kPartsInList = 118,
    kNotCompoundFile = 200,
    kStreamMissing = 201,
    kNoParts = 202,
    kPartStreamMissing = 203,
    kStreamTooLong = 204,
    kDocumentTooLarge = 205,
    kUnknownRequest = 206,
    kPartStorageMissing = 207,
    kListNotSaved = 300,
    kListDamaged = 301,
    kListNotRead = 302,
    kCannotListen = 303,
};

// The order pad's texts in the language the selector last asked for: the current user's
// "Software\Veldor Kastrel\Veritom\OrderPad\1.0" values "Code" and "ResDll" name the
// language and its bundle (an .rcc file beside the program holding strings.txt). The
// English table is built in and serves every id a bundle lacks.
class Texts {
public:
    // Reads the user store and loads the bundle it names; true when the language changed.
    static bool Reload();
    // The language code in use ("EN" when none is set).
    static QString Language();
    static QString Get(int id);

    // "ID<TAB>text" lines with \n, \t and \\ escapes; comments and blank lines skipped.
    static QHash<int, QString> Parse(const QString& source);
    // $VERITOM_USER_STORE, else veritom/user.ini in the user's configuration folder.
    static QString UserStorePath();
    // Where the bundles are looked for: the program's folder unless set.
    static void SetBundleDirectory(const QString& directory);
};

}  // namespace orderpad
