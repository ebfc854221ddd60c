// Resource ids of the program: dialog templates, bitmaps, icons and control ids.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

#define IDR_MAINFRAME           128   // frame: icon, title and menu
#define IDD_ABOUTBOX            100
#define IDD_STARTDLG            134   // start splash
#define IDD_POPMSGDLG           303   // question box

#define IDC_ABOUT_TITLE         1000
#define IDC_ABOUT_VERSION       1001
#define IDC_STARTDLG_TEXT       1002
#define IDC_POPMSG_TEXT         1084
#define IDC_POPMSG_YES          9003
#define IDC_POPMSG_NO           9004

#define ID_APP_ABOUT            57664
#define ID_APP_EXIT             57665
