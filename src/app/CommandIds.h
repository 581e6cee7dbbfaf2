#pragma once

// Command identifiers of the menus, the toolbar and the button panel. The numbers are part of
// the program's resources: language bundles and the menu description refer to them.
namespace veritom::cmd {

inline constexpr int kFileNew = 32772;
inline constexpr int kFileOpen = 32773;
inline constexpr int kFileSave = 32774;
inline constexpr int kFileSaveAs = 32771;
inline constexpr int kFilePrintSelection = 32775;
inline constexpr int kFilePrintDirect = 57608;
inline constexpr int kFileMruFirst = 57616;  // the recent file list: 57616 to 57619
inline constexpr int kFileMruCount = 4;
inline constexpr int kAppExit = 57665;

inline constexpr int kViewReference = 32782;
inline constexpr int kViewSelectionReport = 32803;
inline constexpr int kViewOrderPad = 32800;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kViewSelectionCompleteOptions = 137;

inline constexpr int kToolsAddToOrderPad = 32801;
inline constexpr int kToolsRapidSelection = 32790;
inline constexpr int kToolsOptions = 32810;

inline constexpr int kContactingVeldor = 32786;
inline constexpr int kVeldorLocations = 32784;
inline constexpr int kOfferOfSale = 32787;
inline constexpr int kProductsAndServices = 32789;
inline constexpr int kRelatedProducts = 32788;

inline constexpr int kLicenseAgreement = 32813;
inline constexpr int kProductSupport = 32812;
inline constexpr int kHelpSearch = 32811;
inline constexpr int kHelpContents = 57667;
inline constexpr int kHelp = 57670;  // F1 and the other help commands

inline constexpr int kReferenceContents = 32792;
inline constexpr int kSearchReference = 32793;
inline constexpr int kReferenceGlossary = 32794;

inline constexpr int kCadDrawing = 32804;
inline constexpr int kSaveCad = 32806;
inline constexpr int kPrintDxf = 32808;
inline constexpr int kPrintHpgl = 32809;
inline constexpr int kCadPreferences = 603;

inline constexpr int kVeritomHomePage = 33026;
inline constexpr int kVeritomProducts = 33028;
inline constexpr int kVeritomSupport = 33029;
inline constexpr int kVeritomUpdates = 33030;
inline constexpr int kVeldorHomePage = 33033;

inline constexpr int kTipOfTheDay = 124;
inline constexpr int kAppAbout = 57664;
inline constexpr int kExportXml = 32822;
inline constexpr int kStartupScreens = 1269;

// One item per installed language, and the items added at run time.
inline constexpr int kLanguageFirst = 32990;
inline constexpr int kLanguageLast = 33010;
inline constexpr int kUserMenuFirst = 33100;
inline constexpr int kUserMenuLast = 33120;

// Panel button i sends kPanelButtonFirst + i; presses above kPanelButtonLast are not routed.
inline constexpr int kPanelButtonFirst = 100;
inline constexpr int kPanelButtonLast = 110;

}  // namespace veritom::cmd
