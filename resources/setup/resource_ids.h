#pragma once
// Resource and control ids of Ombrixa.exe. The numbers are shared with the
// help file; never renumber them.

// Version box
#define IDD_ABOUT                 102
#define IDI_PROGRAM               108
#define IDC_CREDITS               200
#define IDC_MAIL_LINK             201
#define IDC_WEB_LINK              202
