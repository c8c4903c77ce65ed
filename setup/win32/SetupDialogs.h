// The install wizard, the licence dialog and the progress dialog.
#pragma once

#include "SetupSystem.h"

#include <windows.h>

#include <string>

// The wizard owned by the window; 0 when the user cancelled or declined the licence, otherwise
// not 0 with the destination folder set.
INT_PTR RunWizard(HINSTANCE hInstance, HWND hWndOwner, ISetupSystem& system,
                  const std::string& strProduct, std::string& strDestination);
INT_PTR CALLBACK WelcomePageProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DestinationPageProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FinishPageProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Shows the licence, owned by the page; true when the user answered YES.
bool AcceptLicence(HINSTANCE hInstance, HWND hWndPage);
INT_PTR CALLBACK LicenceDialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam);

// The modeless progress dialog with its bar ranging over the entries; nullptr when it cannot
// be made.
HWND OpenProgressDialog(HINSTANCE hInstance, HWND hWndOwner, int nEntries);
INT_PTR CALLBACK ProgressDialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam);
void StepProgressDialog(HWND hDlg);
void RepaintProgressDialog(HWND hDlg);
void CloseProgressDialog(HWND& hDlg);
