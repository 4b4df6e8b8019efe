// Resource and control ids of velide.exe; read by the resource script and the C++ code.
#pragma once

#define IDI_VELIDE 1
#define IDB_TOOLBAR 100  // nine 16 by 16 images: new, open, save, copy, cut, paste, run, manual, find
#define IDB_ABOUT 101    // the about box picture, 209 by 145

// The menu and toolbar commands are the editor core's (command_ids.h: from 1001).

// Controls of the main window.
#define ID_EDITOR 2001
#define ID_TOOLBAR 2002
#define ID_STATUSBAR 2003
#define ID_TEMP 2004
#define ID_EDIT2 2005

// Controls of the dialogs (IDOK and IDCANCEL close them).
#define ID_CHECKBOX1 3001
#define ID_CHECKBOX2 3002
#define ID_CHECKBOX3 3003
#define ID_COPTIONS 3004
#define ID_VALUE 3005
#define ID_LABEL1 3006
#define ID_GROUPBOX1 3010
#define ID_GROUPBOX2 3011
#define ID_RADIOBUTTON1 3012
#define ID_RADIOBUTTON2 3013
#define ID_RADIOBUTTON3 3014
#define ID_RADIOBUTTON4 3015
#define ID_RADIOBUTTON5 3016
#define ID_MONVARS 3017
#define ID_IMAGE2 3020
#define ID_LABEL2 3021
#define ID_LABEL3 3022
#define ID_LABEL4 3023
#define ID_LABEL5 3024
