#pragma once

// String table ids of the application shell: the menus of the main window, the button panel,
// the Valve Type dialogs, the file dialogs and the placeholders of steps still to come.
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

// Main window.
inline constexpr int kStatusReady = 27070;
inline constexpr int kToolbarTitle = 27071;
inline constexpr int kPanelHeading = 700;  // drawn centred at the top of the button panel

// Items the application adds at run time.
inline constexpr int kMenuSpecialityValves = 285;
inline constexpr int kMenuInterchange = 303;
inline constexpr int kMenuUnitConversion = 313;

// Valve Type, Valve Type Options and the Reselection Notice.
inline constexpr int kValveTypeTitle = 27100;
inline constexpr int kValveTypeGroup = 27101;
inline constexpr int kFunctionTypeLabel = 27102;
inline constexpr int kFlowPatternLabel = 27103;
inline constexpr int kButtonOk = 27104;
inline constexpr int kButtonCancel = 27105;
inline constexpr int kButtonReference = 27106;
inline constexpr int kButtonHelp = 27107;
inline constexpr int kValveTypeOptionsTitle = 27110;
inline constexpr int kValveTypeOptionsLabel = 27111;
inline constexpr int kReselectionTitle = 27120;
inline constexpr int kReselectionCaution = 27121;
inline constexpr int kReselectionQuestion = 27122;
inline constexpr int kButtonYes = 27123;
inline constexpr int kButtonNo = 27124;

// Steps and tools that come with later versions: "%s" is not available.
inline constexpr int kNotAvailable = 27130;
inline constexpr int kNameSpecialityValves = 27131;
inline constexpr int kNameInterchange = 27132;
inline constexpr int kNameUnitConversion = 27133;
inline constexpr int kNameSelectionCompleted = 27134;
inline constexpr int kNameStartupScreens = 27135;
inline constexpr int kNameRapidSelection = 27136;
inline constexpr int kNameOrderPad = 27137;
inline constexpr int kNameAbout = 27138;
inline constexpr int kNameTipOfTheDay = 27139;

// File dialogs.
inline constexpr int kFileDialogOpen = 27150;
inline constexpr int kFileDialogSaveAs = 27151;
inline constexpr int kFileDialogExportXml = 27152;
inline constexpr int kNoDisplay = 27153;
inline constexpr int kFileFilterXml = 27154;

}  // namespace veritom::ids
