#pragma once
// The external PDF reader: started on a document, it puts up a window titled "PDFReader" that the
// shell embeds in its own window and drives with ReaderControlMessage; the reader reports its
// pages and the keys pressed in it with the same message to the main window.
#include <windows.h>

#include <string>

constexpr UINT ReaderControlMessage = WM_APP + 0x6F2;

// The reader a document dialog started (the manual view's), and the one the version view's help
// started (the document view's); null when none.
extern HWND g_hManualReader;
extern HWND g_hDocumentReader;

// Sends one control code to a reader window; bounded, so a hung reader cannot hold the shell.
// Gives the reader's answer, 0 when there is no window or it does not answer.
LRESULT SendReaderControl(HWND reader, int code, LPARAM value);

// Closes whatever reader runs and the one `reader` names, starts the reader on `document` and
// hands it the main window's caption and the document's path; `reader` then names the new window.
// `sender` is the window the reader answers to. False when the reader could not be started (the
// user was told) or its window did not appear.
bool OpenDocumentInReader(const std::wstring& document, HWND& reader, HWND sender);
