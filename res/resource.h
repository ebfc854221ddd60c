// Resource ids of the program: dialog templates, bitmaps, icons and control ids.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

#define IDR_MAINFRAME           128   // frame: icon, title and menu
#define IDD_ABOUTBOX            100
#define IDD_STARTDLG            134   // start splash
#define IDD_POPMSGDLG           303   // question box

#define IDD_BUTTONBAR           135   // soft-button row
#define IDD_TOPBAR              376
#define IDD_BOTTOMBAR           402
#define IDD_MIDDLELEFTBAR       401
#define IDD_LINEBAR             414   // line and column bars
#define IDD_HELPINFOBAR         283
#define IDD_TOPGUIDE            170
#define IDD_TITLEBAR            139
#define IDC_HELPINFO_TEXT       1067
#define IDD_SETUPPAGE           385   // an empty page of the settings view
#define IDD_LOGDLG              322   // the settings' log page
#define IDD_VERSIONINFO         183   // the device's versions in a window of their own
#define IDD_SOFTWARE_ROW        327   // one package as a row of controls (the splash's marks hold 326)

// Bitmaps (drawn by res/art/draw_bitmaps.py).
#define IDB_ICONGRID_FRAME      397   // the frame of an icon grid's item, 125 x 116
#define IDB_ICONGRID_SELECTION  398   // ... of its selected item, 131 x 124
#define IDB_ICONGRID_MARK       399   // 33 x 33
#define IDB_SPLASH              205   // 900 x 500
#define IDB_SPLASH_MARK_DIM     323   // 19 x 19
#define IDB_SPLASH_MARK_LIT     324   // 19 x 19
#define IDD_SPLASH_MARK         326   // one progress mark of the splash
#define IDB_POPMSG_SKIN         304   // question box, 478 x 248
#define IDB_BUTTON_DEFAULT      320   // any skinned button without its own image, 103 x 29
#define IDB_SOFTROW_BACKGROUND  321   // soft-button row, 979 x 60
#define IDB_POPMSG_BUTTON       407   // question box buttons, 232 x 77
#define IDB_POPMSG_BUTTON_DOWN  408
#define IDB_SOFTROW_BUTTON      409   // soft-button row buttons, 103 x 29
#define IDB_SOFTROW_BUTTON_DOWN 410
#define IDB_SOFTROW_BUTTON_OFF  471
#define IDB_UPDATE_PICTURE      490   // the settings' update page, over its description, 108 x 44
#define IDB_LEFTGUIDE_UPDATE    3751  // the left guide bar's Update button: four 131 x 60 frames

// Bitmaps of the bars and the home page. The buttons of the top bar, the bottom bar and the home
// page take their images by number from their tables (TopBarModel.cpp, BottomBarModel.cpp,
// HomeTiles.cpp); the backgrounds are named here.
#define IDB_TITLEBAR            214   // 466 x 26
#define IDB_TOPGUIDE_BACKGROUND 216   // stretched over the guide bar
#define IDB_HELPINFO_ICON       326   // 91 x 77
#define IDB_HOME_BANNER         333
#define IDB_TOPBAR_BACKGROUND   346
#define IDB_BOTTOMBAR_BACKGROUND 355  // 1024 x 63
#define IDB_MIDDLELEFT_ITEM     389
#define IDB_MIDDLELEFT_ITEM_DOWN 390
#define IDB_MIDDLELEFT_BACKGROUND 400
#define IDB_MIDDLELEFT_LOGO_FRAME 413
#define IDB_LINE_TOP            415   // 20 x 4
#define IDB_LINE_BOTTOM         416
#define IDB_COLUMN_LEFT         417   // 4 x 20
#define IDB_COLUMN_RIGHT        418
#define IDB_BOTTOMBAR_WIDE      434   // 1024 x 63, the store's layout
#define IDB_SETUP_EDGE          472   // the settings view's right edge
#define IDB_REPORT_BANNER_CN    308   // printed reports' banner, 995 x 224, language "CN"
#define IDB_REPORT_BANNER       309   // ... every other language

#define IDC_ABOUT_TITLE         1000
#define IDC_ABOUT_VERSION       1001
#define IDC_POPMSG_TEXT         1084

// The version view (form 136).
#define IDC_VERSION_DESCRIPTION 1005
#define IDC_VERSION_LIST        1006
#define IDC_VERSION_FOLDERS     1007
#define IDC_VERSION_STATUS      1008
#define IDC_VERSION_PROGRESS    1009
#define IDC_VERSION_MAKER       1011
#define IDC_VERSION_LINE        1012
#define IDC_VERSION_DEMO        1020
#define IDC_VERSION_REPAIR      1065
#define IDC_VERSION_HELP        1123
#define IDC_VERSION_RECORD      1176

// The value-input screen (form 167).
#define IDC_INPUT_VALUE         1029
#define IDC_INPUT_PROMPT        1072

// The progress screen (form 165).
#define IDC_BAR_PROGRESS        1013

// The actuator-test screen (form 166).
#define IDC_ACTIVETEST_EDIT     1040
// The special-function screen (form 10046).
#define IDC_SPECIAL_TEXT        1162
#define IDC_SPECIAL_STATUS      1038
#define IDC_SPECIAL_PROGRESS    1039

// The picture screen (form 168).
#define IDC_PICTURE_AREA        1082

#define IDC_POPMSG_YES          9003
#define IDC_POPMSG_NO           9004
#define IDC_SOFTROW_NEXT        9001
#define IDC_SOFTROW_PREVIOUS    9002

#define ID_APP_ABOUT            57664
#define ID_APP_EXIT             57665
