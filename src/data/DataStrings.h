#pragma once

// String table ids of the data access layer, the message catalogue and the pictures.
namespace veritom::ids {

inline constexpr int kDaoError = 22100;               // "DAO error %d, SOURCE = %s, DESCR = %s"
inline constexpr int kMessageNotFoundText = 22101;    // "Message not found: %s"
inline constexpr int kMessageNotFoundNumber = 22102;  // "Message not found: %d"
inline constexpr int kNoDatabaseGiven = 22103;
inline constexpr int kBadQueryParameter = 22104;
inline constexpr int kEngineDatabaseNotOpen = 22105;
inline constexpr int kEngineNoSuchQuery = 22106;
inline constexpr int kEngineNoSuchParameter = 22107;
inline constexpr int kEngineParameterNotSet = 22108;
inline constexpr int kEngineNoSuchField = 22109;
inline constexpr int kEngineNoCurrentRecord = 22110;
inline constexpr int kEngineNotOpen = 22111;
inline constexpr int kEngineNoSuchFieldPosition = 22112;
inline constexpr int kEngineQueryNotOpen = 22113;
inline constexpr int kEngineNoStatement = 22114;
inline constexpr int kEngineSecondStatement = 22115;
inline constexpr int kEngineUndeclaredUse = 22116;
inline constexpr int kEngineTooManyRows = 22117;

// The bitmap readers of the pictures.
inline constexpr int kBitmapReadError = 24503;    // "Read error"
inline constexpr int kBitmapEmptyFile = 24504;    // "Empty bitmap file"
inline constexpr int kBitmapInvalidFile = 24505;  // "Invalid bitmap file"

// The button column every wizard dialog shares.
inline constexpr int kButtonOk = 27104;
inline constexpr int kButtonCancel = 27105;
inline constexpr int kButtonReference = 27106;
inline constexpr int kButtonHelp = 27107;

}  // namespace veritom::ids
