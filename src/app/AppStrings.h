#pragma once

#include "base/NotAvailable.h"

// String table ids of the application shell: the menus of the main window, the button panel,
// the selection files, the languages, the platform services and the placeholders of steps
// still to come.
namespace veritom::ids {

// Menu texts (menu 128).
inline constexpr int kMenuFile = 27000;
inline constexpr int kMenuNew = 27001;
inline constexpr int kMenuOpen = 27002;
inline constexpr int kMenuSave = 27003;
inline constexpr int kMenuSaveAs = 27004;
inline constexpr int kMenuSelection = 27005;
inline constexpr int kMenuPrint = 27006;
inline constexpr int kMenuRecentFile = 27007;
inline constexpr int kMenuExit = 27008;
inline constexpr int kMenuView = 27010;
inline constexpr int kMenuSelectionReport = 27011;
inline constexpr int kMenuOrderPad = 27012;
inline constexpr int kMenuToolbar = 27013;
inline constexpr int kMenuStatusBar = 27014;
inline constexpr int kMenuSelectionCompleteOptions = 27015;
inline constexpr int kMenuLanguage = 27016;
inline constexpr int kMenuLanguagePlaceholder = 27017;
inline constexpr int kMenuTools = 27020;
inline constexpr int kMenuRapidSelection = 27021;
inline constexpr int kMenuAddToOrderPad = 27022;
inline constexpr int kMenuOptions = 27023;
inline constexpr int kMenuVeldorInformation = 27030;
inline constexpr int kMenuContactingVeldor = 27031;
inline constexpr int kMenuVeldorLocations = 27032;
inline constexpr int kMenuOfferOfSale = 27033;
inline constexpr int kMenuProductsAndServices = 27034;
inline constexpr int kMenuReference = 27040;
inline constexpr int kMenuReferenceContents = 27041;
inline constexpr int kMenuHelp = 27050;
inline constexpr int kMenuTipOfTheDay = 27051;
inline constexpr int kMenuHelpContents = 27052;
inline constexpr int kMenuProductSupport = 27053;
inline constexpr int kMenuLicenseAgreement = 27054;
inline constexpr int kMenuVeritomOnTheWeb = 27055;
inline constexpr int kMenuVeritomHomePage = 27056;
inline constexpr int kMenuVeritomProducts = 27057;
inline constexpr int kMenuVeritomSupport = 27058;
inline constexpr int kMenuVeritomUpdates = 27059;
inline constexpr int kMenuVeldorOnTheWeb = 27060;
inline constexpr int kMenuVeldorHomePage = 27061;
inline constexpr int kMenuAbout = 27062;

// Status bar hints: a main menu text's hint is its id plus kHintOffset.
inline constexpr int kHintOffset = 200;
inline constexpr int kHintSpecialityValves = 27290;
inline constexpr int kHintInterchange = 27291;
inline constexpr int kHintUnitConversion = 27292;
inline constexpr int kHintLanguage = 27293;

// Main window.
inline constexpr int kStatusReady = 27070;
inline constexpr int kToolbarTitle = 27071;
inline constexpr int kPanelHeading = 700;  // drawn centred at the top of the button panel

// Items the application adds at run time.
inline constexpr int kMenuSpecialityValves = 285;
inline constexpr int kMenuInterchange = 303;
inline constexpr int kMenuUnitConversion = 313;

// Steps and tools that come with later versions: "%s" is not available (kNotAvailable and
// kNameOrderPad are in base/NotAvailable.h).
inline constexpr int kNameSpecialityValves = 27131;
inline constexpr int kNameInterchange = 27132;
inline constexpr int kNameUnitConversion = 27133;
inline constexpr int kNameSelectionCompleted = 27134;
inline constexpr int kNameStartupScreens = 27135;
inline constexpr int kNameRapidSelection = 27136;
inline constexpr int kNameAbout = 27138;
inline constexpr int kNameTipOfTheDay = 27139;
inline constexpr int kNameSelectionReport = 27140;

// File dialogs.
inline constexpr int kFileDialogOpen = 27150;
inline constexpr int kFileDialogSaveAs = 27151;
inline constexpr int kFileDialogExportXml = 27152;
inline constexpr int kNoDisplay = 27153;
inline constexpr int kFileFilterXml = 27154;
inline constexpr int kUsage = 27155;  // what --help prints

// Panel buttons and the product's brand texts.
inline constexpr int kButtonValveType = 232;
inline constexpr int kButtonApplication = 241;
inline constexpr int kButtonSolenoid = 242;
inline constexpr int kButtonPartNumber = 243;
inline constexpr int kFileExtension = 244;  // "mrv"
inline constexpr int kFileType = 245;       // "Morvane Valve Files"

// Selection files and the document title.
inline constexpr int kNotValidSelectionFile = 129;  // "%s is not a valid %s selection file."
inline constexpr int kLanguageNotInstalled = 209;
inline constexpr int kNewSelectionTitle = 231;
inline constexpr int kSelectionTitle = 238;  // " Selection"
inline constexpr int kConflictingVersion = 239;
inline constexpr int kNothingToSave = 240;
inline constexpr int kSaveSelection = 507;  // "Save your current selection?"
inline constexpr int kFailedToSetPath = 645;
inline constexpr int kCannotRead = 6400;
inline constexpr int kDamaged = 6401;
inline constexpr int kCannotSave = 6402;
inline constexpr int kDamagedNothingKept = 6404;
inline constexpr int kDatabaseUnavailable = 6405;
inline constexpr int kLanguageSwitched = 32818;

// The platform services of the Qt layer.
inline constexpr int kConfigStoreDamaged = 24500;     // "The configuration file %s is damaged..."
inline constexpr int kConfigStoreUnreadable = 24501;  // "The configuration file %s cannot be read."
inline constexpr int kLanguageBundleDamaged = 24502;  // "The language file %s is damaged..."
inline constexpr int kHelpFileUnavailable = 24506;    // "The help file %s cannot be opened."
inline constexpr int kHelpWindowTitle = 24507;
inline constexpr int kHelpBack = 24508;
inline constexpr int kHelpForward = 24509;
inline constexpr int kHelpSearch = 24534;
inline constexpr int kCannotOpenDocument = 24535;  // "Help"
// Language names, each in its own language; a selection file names its language by one.
inline constexpr int kLanguageNameFirst = 24510;
inline constexpr int kLanguageNameEnglish = 24510;
inline constexpr int kLanguageNameGerman = 24511;
inline constexpr int kLanguageNameLast = 24529;
inline constexpr int kAnotherLanguage = 24530;  // "another language"
inline constexpr int kBundleUnavailable = 24531;
inline constexpr int kNoNetPath = 24532;
inline constexpr int kNoLanguageInfo = 24533;  // "Failed to get language info from registry"

}  // namespace veritom::ids
